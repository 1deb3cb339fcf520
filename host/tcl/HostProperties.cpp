// The host's properties of partitions and pins. The description attributes
// (state, import location and tag, isolation, module name) are set through
// the route a loaded partition gets them by: the partition's element is
// built again from what it keeps, with the one attribute changed, and read.
#include "HostProperties.h"

#include "Port/StringBase.h"
#include "TclTexts.h"
#include "ZavU/IPartitionPinIterator.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "ZavU/IXPartition.h"
#include "ZavU/XPartitionNames.h"
#include "model/PartitionLists.h"
#include "session/KeptAttributes.h"

namespace HostTcl {

namespace {

namespace Names = ZavU::XPartitionNames;

Tcl_Obj* Text(const Port::StringBase& text) {
  return Tcl_NewStringObj(text.c_str(), static_cast<int>(text.str().size()));
}

ZavU::IXPartition* Description(const Object& object) {
  return CitI::QueryAs<ZavU::IXPartition>(object.partition.get());
}

Port::StringBase ModuleField(const Object& object,
                             bool (ZavU::IReconfigAssocInfo::*field)(Port::StringBase*)) {
  Port::StringBase value;
  auto* association = CitI::QueryAs<ZavU::IReconfigAssocInfo>(object.partition.get());
  if (association && !(association->*field)(&value)) value = Port::StringBase();
  return value;
}

/// A pin's Bel or Site: every read through the pin's accessors reports
/// itself (a note to the library's own developers, by design), which would
/// fail the command; the host reads them with that note set aside.
Tcl_Obj* PinLocation(Context& context, const Object& object,
                     Port::StringBase (ZavU::IPartitionPin::*accessor)()) {
  Port::StringBase location;
  context.state.Session().SetAside([&] { location = (object.pin.get()->*accessor)(); });
  return Text(location);
}

// ---- setting description attributes ----

/// Gives the partition its description attributes again with `change` made.
template <typename Change>
bool ChangeDescription(Context& context, const Object& object, Change change) {
  HostModel::DescriptionAttributes kept = HostSession::KeptAttributesOf(*object.partition.get());
  change(kept);
  return HostSession::RestoreKeptAttributes(*object.partition.get(), kept,
                                            context.state.Session().ProjectName(), kFrontEnd);
}

bool AnyText(Context&, const Object&, Tcl_Obj*) { return true; }

bool CheckState(Context& context, const Object&, Tcl_Obj* value) {
  const std::string state = Tcl_GetString(value);
  if (state == Names::kStateImplement || state == Names::kStateImport) return true;
  context.Error(Fault::Value, kErrIllegalValue, state.c_str(), "state",
                (std::string(Names::kStateImplement) + " " + Names::kStateImport).c_str());
  return false;
}

bool CheckBoolean(Context& context, const Object&, Tcl_Obj* value) {
  int truth = 0;
  if (Tcl_GetBooleanFromObj(nullptr, value, &truth) == TCL_OK) return true;
  context.Error(Fault::Value, kErrIllegalValue, Tcl_GetString(value), "isolated", kBooleanValues);
  return false;
}

bool CheckModuleName(Context& context, const Object& object, Tcl_Obj*) {
  if (object.partition->IsReconfigurable()) return true;
  context.Error(Fault::Value, kErrNotReconfigurable, ShellState::HandleText(object).c_str());
  return false;
}

bool SetState(Context& context, const Object& object, Tcl_Obj* value) {
  const bool import = std::string(Tcl_GetString(value)) == Names::kStateImport;
  return ChangeDescription(context, object, [&](auto& kept) { kept.isImport = import; });
}

bool SetIsolated(Context& context, const Object& object, Tcl_Obj* value) {
  int truth = 0;
  Tcl_GetBooleanFromObj(nullptr, value, &truth);
  return ChangeDescription(context, object, [&](auto& kept) { kept.isIsolated = truth != 0; });
}

/// A setter of the text field `field` of the kept attributes.
template <Port::StringBase HostModel::DescriptionAttributes::*field>
bool SetText(Context& context, const Object& object, Tcl_Obj* value) {
  const Port::StringBase text = Tcl_GetString(value);
  return ChangeDescription(context, object, [&](auto& kept) { kept.*field = text; });
}

}  // namespace

const std::vector<HostProperty>& PartitionProperties() {
  using Kept = HostModel::DescriptionAttributes;
  static const std::vector<HostProperty> properties = {
      {"state", "string",
       [](Context&, const Object& o) {
         auto* description = Description(o);
         return Tcl_NewStringObj(description && description->IsImport() ? Names::kStateImport
                                                                        : Names::kStateImplement,
                                 -1);
       },
       CheckState, SetState},
      {"import_location", "string",
       [](Context&, const Object& o) {
         Port::StringBase location;
         if (auto* description = Description(o)) description->GetImportLocation(location);
         return Text(location);
       },
       AnyText, SetText<&Kept::importLocation>},
      {"import_tag", "string",
       [](Context&, const Object& o) {
         auto* description = Description(o);
         return Text(description ? description->GetImportTag() : Port::StringBase());
       },
       AnyText, SetText<&Kept::importTag>},
      {"boundary_opt", "string",
       [](Context&, const Object& o) {
         auto* description = Description(o);
         return Text(description ? description->GetBoundaryOpt() : Port::StringBase());
       },
       nullptr, nullptr},
      {"isolated", "bool", [](Context&, const Object& o) { return Tcl_NewBooleanObj(o.partition->IsIsolated()); },
       CheckBoolean, SetIsolated},
      {"reconfig_module_name", "string",
       [](Context&, const Object& o) {
         return Text(ModuleField(o, &ZavU::IReconfigAssocInfo::GetReconfigModuleName));
       },
       CheckModuleName, SetText<&Kept::reconfigModuleName>},
      {"reconfig_module_location", "string",
       [](Context&, const Object& o) {
         return Text(ModuleField(o, &ZavU::IReconfigAssocInfo::GetReconfigModuleProjectLocation));
       },
       nullptr, nullptr},
      {"guide", "string", [](Context&, const Object& o) { return Text(o.partition->GetTrait("guide")); },
       nullptr, nullptr},
      {"pin_count", "int",
       [](Context&, const Object& o) { return Tcl_NewIntObj(HostModel::PinCount(*o.partition.get())); }, nullptr,
       nullptr},
      {"is_root", "bool", [](Context&, const Object& o) { return Tcl_NewBooleanObj(o.partition->IsRoot()); },
       nullptr, nullptr},
  };
  return properties;
}

const std::vector<HostProperty>& PinProperties() {
  static const std::vector<HostProperty> properties = {
      {"name", "string", [](Context&, const Object& o) { return Text(o.pin->GetName()); }, nullptr,
       nullptr},
      {"full_name", "string",
       [](Context&, const Object& o) {
         const std::string handle = ShellState::HandleText(o);
         const std::string name = handle.substr(std::string(kPinPrefix).size());
         return Tcl_NewStringObj(name.data(), static_cast<int>(name.size()));
       },
       nullptr, nullptr},
      {"partition", "collection",
       [](Context&, const Object& o) {
         const std::string handle = ShellState::HandleText({o.partition, {}});
         return Tcl_NewListObj(1, std::vector<Tcl_Obj*>{Tcl_NewStringObj(handle.c_str(), -1)}.data());
       },
       nullptr, nullptr},
      {"bel", "string",
       [](Context& c, const Object& o) { return PinLocation(c, o, &ZavU::IPartitionPin::GetPartitionPinBel); },
       nullptr, nullptr},
      {"site", "string",
       [](Context& c, const Object& o) { return PinLocation(c, o, &ZavU::IPartitionPin::GetPartitionPinSite); },
       nullptr, nullptr},
  };
  return properties;
}

const HostProperty* FindHostProperty(const Object& object, const std::string& name) {
  for (const HostProperty& property : object.IsPin() ? PinProperties() : PartitionProperties()) {
    if (name == property.name) return &property;
  }
  return nullptr;
}

}  // namespace HostTcl
