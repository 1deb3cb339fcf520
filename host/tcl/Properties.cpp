// Property values and names through the partition's collectable view.
#include "Properties.h"

#include "CitP/Factory.h"
#include "TclTexts.h"
#include "UtilI/ITclCollectable.h"
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

std::string HandleText(ZavU::IPartition& partition) {
  return kHandlePrefix + partition.GetHierarchicalName().str();
}

}  // namespace

Tcl_Obj* PropertyNames(Context& context, ZavU::IPartition& partition) {
  ValueRef names = NewValueObject();
  auto* collectable = CitI::QueryAs<UtilI::ITclCollectable>(&partition);
  if (!names || !collectable || collectable->QueryProperties(names.get()) != 1) {
    context.Error(Fault::Library, "%s", kErrNoHelpers);
    return nullptr;
  }
  // A copy: the value object, and the list it holds, go when this returns.
  return Tcl_DuplicateObj(names->GetObj());
}

Tcl_Obj* PropertyValue(Context& context, ZavU::IPartition& partition, const char* name,
                       const char** kind) {
  auto* collectable = CitI::QueryAs<UtilI::ITclCollectable>(&partition);
  CitI::IInterface* produced = nullptr;
  if (collectable && collectable->GetPropertyValue(name, produced)) {
    // The partition keeps the value object (and so its value) for its life.
    auto value = CommonI::RefCountPtr<CitI::IInterface>::Adopt(produced);
    if (auto* held = CitI::QueryAs<Tcltask::ITclObjValue>(value.get())) {
      if (kind) *kind = held->GetKind();
      return held->GetObj();
    }
  }
  // Missing from the names the partition lists: unknown; listed: no value.
  Tcl_Obj* names = PropertyNames(context, partition);
  if (!names) return nullptr;
  Tcl_IncrRefCount(names);  // a copy with no reference yet
  int count = 0;
  Tcl_Obj** items = nullptr;
  bool known = false;
  Tcl_ListObjGetElements(nullptr, names, &count, &items);
  for (int i = 0; i < count && !known; ++i) known = std::string(Tcl_GetString(items[i])) == name;
  Tcl_DecrRefCount(names);
  context.Error({Fault::Property, name}, known ? kErrNoValue : kErrUnknownProperty, name, HandleText(partition).c_str());
  return nullptr;
}

}  // namespace HostTcl
