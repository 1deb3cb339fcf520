// Property values and names: a partition's collectable view first, then the
// host's properties; a pin's from the host.
#include "Properties.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "CitP/Factory.h"
#include "Dpm/IString.h"
#include "HostProperties.h"
#include "TclTexts.h"
#include "UtilI/ITclCollectable.h"
#include "model/PartitionLists.h"
#include "session/NearestName.h"
#include "tcltask/TclObjValue.h"

namespace HostTcl {

namespace {

using ValueRef = CommonI::RefCountPtr<Tcltask::ITclObjValue>;

/// A fresh value object of the helper library, loading it when needed.
ValueRef NewValueObject() {
  return CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::Class_TclPropertyValue),
                                          Tcltask::kHelpersLibrary)
      .As<Tcltask::ITclObjValue>();
}

/// The collectable view's value of `name`, or null when it has none.
Tcl_Obj* CollectableValue(Context& context, ZavU::IPartition& partition, const char* name,
                          const char** kind) {
  auto* collectable = CitI::QueryAs<UtilI::ITclCollectable>(&partition);
  CitI::IInterface* produced = nullptr;
  if (!collectable || !collectable->GetPropertyValue(name, produced)) return nullptr;
  // The partition keeps the value object (and so its value) for its life.
  auto value = CommonI::RefCountPtr<CitI::IInterface>::Adopt(produced);
  auto* held = CitI::QueryAs<Tcltask::ITclObjValue>(value.get());
  if (!held) return nullptr;
  if (kind) *kind = held->GetKind();
  return context.kept.Keep(held->GetObj());
}

/// The texts of a list of names, valid while the list lives.
std::vector<const char*> NamesIn(Tcl_Obj* names) {
  int count = 0;
  Tcl_Obj** items = nullptr;
  Tcl_ListObjGetElements(nullptr, names, &count, &items);
  std::vector<const char*> texts;
  for (int i = 0; i < count; ++i) texts.push_back(Tcl_GetString(items[i]));
  return texts;
}

bool Listed(Tcl_Obj* names, const char* name) {
  for (const char* listed : NamesIn(names)) {
    if (std::strcmp(listed, name) == 0) return true;
  }
  return false;
}

/// The listed name equal to `name` but for letter case; empty when none is.
std::string ListedIgnoringCase(Tcl_Obj* names, const std::string& name) {
  for (const char* listed : NamesIn(names)) {
    if (Port::StringBase(listed).Compare(name.c_str(), Port::kCompareKeyword) == 0) return listed;
  }
  return std::string();
}

}  // namespace

Tcl_Obj* PropertyNames(Context& context, const Object& object) {
  Tcl_Obj* list = nullptr;
  if (object.IsPin()) {
    list = Tcl_NewListObj(0, nullptr);
  } else {
    ValueRef names = NewValueObject();
    auto* collectable = CitI::QueryAs<UtilI::ITclCollectable>(object.partition.get());
    if (!names || !collectable || collectable->QueryProperties(names.get()) != 1) {
      context.Error(Fault::Library, "%s", kErrNoHelpers);
      return nullptr;
    }
    // A copy: the value object, and the list it holds, go when this returns.
    list = Tcl_DuplicateObj(names->GetObj());
  }
  for (const HostProperty& property : object.IsPin() ? PinProperties() : PartitionProperties()) {
    Tcl_ListObjAppendElement(nullptr, list, Tcl_NewStringObj(property.name, -1));
  }
  return list;
}

Tcl_Obj* PropertyValue(Context& context, const Object& object, const char* name,
                       const char** kind) {
  if (!object.IsPin()) {
    if (Tcl_Obj* value = CollectableValue(context, *object.partition.get(), name, kind)) {
      return value;
    }
  }
  if (const HostProperty* property = FindHostProperty(object, name)) {
    if (kind) *kind = property->kind;
    return context.kept.Keep(property->get(context, object));
  }
  // Missing from the names the object lists: unknown; listed: no value.
  Tcl_Obj* names = PropertyNames(context, object);
  if (!names) return nullptr;
  context.kept.Keep(names);
  const std::string handle = ShellState::HandleText(object);
  if (Listed(names, name)) {
    context.Error({Fault::Property, name}, kErrNoValue, name, handle.c_str());
  } else if (const std::string listed = ListedIgnoringCase(names, name); !listed.empty()) {
    return PropertyValue(context, object, listed.c_str(), kind);
  } else if (const std::string nearest = HostSession::NearestName(name, NamesIn(names));
             !nearest.empty()) {
    context.Error({Fault::Property, name}, kErrUnknownPropertyNear, name, handle.c_str(),
                  nearest.c_str());
  } else {
    context.Error({Fault::Property, name}, kErrUnknownProperty, name, handle.c_str());
  }
  return nullptr;
}

std::string ListedPropertyName(Context& context, const Object& object, const std::string& name) {
  Tcl_Obj* names = PropertyNames(context, object);
  if (!names) {
    Tcl_ResetResult(context.interp);
    return name;
  }
  context.kept.Keep(names);
  if (Listed(names, name.c_str())) return name;
  const std::string listed = ListedIgnoringCase(names, name);
  return listed.empty() ? name : listed;
}

bool IsTrait(ZavU::IPartition& partition, const char* name) {
  const std::vector<std::string> traits = HostModel::TextsOf(partition.GetTraitNames());
  return std::find(traits.begin(), traits.end(), name) != traits.end();
}

bool IsSettable(const Object& object, const char* name) {
  if (!object.IsPin() && IsTrait(*object.partition.get(), name)) return true;
  const HostProperty* property = FindHostProperty(object, name);
  return property && property->set;
}

}  // namespace HostTcl
