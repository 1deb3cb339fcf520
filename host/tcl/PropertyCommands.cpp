// get_property, set_property, list_property, report_property: on one object
// or a list of them, partitions and pins alike.
#include <algorithm>
#include <memory>

#include "Dpm/IString.h"
#include "HostProperties.h"
#include "Port/StringBase.h"
#include "Properties.h"
#include "TclTexts.h"
#include "model/PartitionLists.h"

namespace HostTcl {

namespace {

/// Whether trait `name` of `partition` takes `value`; false with the error,
/// naming the legal values, set.
bool CheckTrait(Context& context, ZavU::IPartition& partition, const std::string& name,
                const std::string& value) {
  std::vector<std::string> legal = HostModel::TextsOf(partition.GetTraitValues(name.c_str()));
  const std::string fallback = partition.GetTraitDefault(name.c_str()).str();
  if (std::find(legal.begin(), legal.end(), fallback) == legal.end()) legal.push_back(fallback);
  std::string listed;
  for (const std::string& one : legal) {
    if (one == value && value == kInherit && partition.IsRoot()) {
      // The root has nothing to inherit from: the library refuses it.
      return context.Error(Fault::Value, kErrRootInherits, name.c_str()), false;
    }
    if (one == value) return true;
    listed += (listed.empty() ? "" : " ") + one;
  }
  return context.Error(Fault::Value, kErrIllegalValue, value.c_str(), name.c_str(), listed.c_str()),
         false;
}

/// Checks that property `name` of `object` can take `value`.
bool CheckSetting(Context& context, const Object& object, const std::string& name,
                  Tcl_Obj* value) {
  if (!object.IsPin() && IsTrait(*object.partition.get(), name.c_str())) {
    return CheckTrait(context, *object.partition.get(), name, Tcl_GetString(value));
  }
  const HostProperty* property = FindHostProperty(object, name);
  if (property && property->check) return property->check(context, object, value);
  const std::string handle = ShellState::HandleText(object);
  if (property) {
    return context.Error({Fault::Property, name}, kErrReadOnly, name.c_str(), handle.c_str()),
           false;
  }
  // Known to the collectable view but no trait, or unknown: the lookup says which.
  if (PropertyValue(context, object, name.c_str())) {
    context.Error({Fault::Property, name}, kErrReadOnly, name.c_str(), handle.c_str());
  }
  return false;
}

bool ApplySetting(Context& context, const Object& object, const std::string& name,
                  Tcl_Obj* value) {
  if (!object.IsPin() && IsTrait(*object.partition.get(), name.c_str())) {
    return object.partition->SetTrait(name.c_str(), Tcl_GetString(value), true) == 1;
  }
  return FindHostProperty(object, name)->set(context, object, value);
}

}  // namespace

int GetProperty(Context& context, const Args& args) {
  std::vector<Object> objects;
  if (!context.state.ResolveObjects(context, args.Positional(1), objects)) return TCL_ERROR;
  const char* name = Tcl_GetString(args.Positional(0));
  Tcl_Obj* values = Tcl_NewListObj(0, nullptr);
  context.kept.Keep(values);
  for (const Object& object : objects) {
    Tcl_Obj* value = PropertyValue(context, object, name);
    if (!value) return TCL_ERROR;
    // One handle, alone or as a list of one, answers its value alone.
    if (objects.size() == 1) {
      Tcl_SetObjResult(context.interp, value);
      return TCL_OK;
    }
    Tcl_ListObjAppendElement(nullptr, values, value);
  }
  Tcl_SetObjResult(context.interp, values);
  return TCL_OK;
}

int SetProperty(Context& context, const Args& args) {
  std::vector<Object> objects;
  if (!context.state.ResolveObjects(context, args.Positional(2), objects)) return TCL_ERROR;
  if (objects.empty()) return TCL_OK;
  // Property names are taken without regard to letter case.
  const std::string name =
      ListedPropertyName(context, objects.front(), Tcl_GetString(args.Positional(0)));
  Tcl_Obj* value = args.Positional(1);
  // Every object is checked before any is changed.
  for (const Object& object : objects) {
    if (!CheckSetting(context, object, name, value)) return TCL_ERROR;
  }
  for (const Object& object : objects) {
    const bool set = ApplySetting(context, object, name, value);
    context.state.MarkChanged();
    if (!set) {
      return context.Error(Fault::Value, kErrNotSet, name.c_str(),
                           ShellState::HandleText(object).c_str());
    }
  }
  return TCL_OK;
}

int ListProperty(Context& context, const Args& args) {
  std::vector<Object> objects;
  if (!context.state.ResolveObjects(context, args.Positional(0), objects)) return TCL_ERROR;
  // The names of every kind of object given, each once, in the order listed.
  Tcl_Obj* result = Tcl_NewListObj(0, nullptr);
  Tcl_SetObjResult(context.interp, result);
  bool partitions = false;
  bool pins = false;
  for (const Object& object : objects) {
    bool& listed = object.IsPin() ? pins : partitions;
    if (listed) continue;
    listed = true;
    Tcl_Obj* names = PropertyNames(context, object);
    if (!names) return TCL_ERROR;
    Tcl_ListObjAppendList(nullptr, result, context.kept.Keep(names));
  }
  return TCL_OK;
}

int ReportProperty(Context& context, const Args& args) {
  std::vector<Object> objects;
  if (!context.state.ResolveObjects(context, args.Positional(0), objects)) return TCL_ERROR;
  std::string report;
  for (const Object& object : objects) {
    Tcl_Obj* names = PropertyNames(context, object);
    if (!names) return TCL_ERROR;
    context.kept.Keep(names);
    int count = 0;
    Tcl_Obj** items = nullptr;
    Tcl_ListObjGetElements(nullptr, names, &count, &items);
    if (objects.size() > 1) report += (report.empty() ? "" : "\n") + ShellState::HandleText(object) + "\n";
    report += ombform(kPropertyRow, kPropertyHeader[0], kPropertyHeader[1], kPropertyHeader[2],
                      kPropertyHeader[3]);
    for (int i = 0; i < count; ++i) {
      const char* name = Tcl_GetString(items[i]);
      const char* kind = nullptr;
      Tcl_Obj* value = PropertyValue(context, object, name, &kind);
      if (!value) return TCL_ERROR;
      std::string row = ombform(kPropertyRow, name, kind, kSettable[IsSettable(object, name)],
                                Tcl_GetString(value));
      row.erase(row.find_last_not_of(" \n") + 1);  // an empty value leaves no blanks behind
      report += row + "\n";
    }
  }
  return context.Print(report) ? TCL_OK : TCL_ERROR;
}

}  // namespace HostTcl
