// get_property, set_property, list_property, report_property.
#include "Port/StringBase.h"
#include "Properties.h"
#include "TclTexts.h"

namespace HostTcl {

int GetProperty(Context& context, const Args& args) {
  PartitionRef partition = context.state.Resolve(context, args.Positional(1));
  if (!partition) return TCL_ERROR;
  Tcl_Obj* value = PropertyValue(context, *partition.get(), Tcl_GetString(args.Positional(0)));
  if (!value) return TCL_ERROR;
  Tcl_SetObjResult(context.interp, value);
  return TCL_OK;
}

int SetProperty(Context& context, const Args& args) {
  std::vector<PartitionRef> partitions;
  if (!context.state.ResolveList(context, args.Positional(2), partitions)) return TCL_ERROR;
  const Port::StringBase name = Tcl_GetString(args.Positional(0));
  const Port::StringBase value = Tcl_GetString(args.Positional(1));
  for (const PartitionRef& partition : partitions) {
    if (partition->SetTrait(name, value, true) != 1) {
      return context.Error(Fault::Value, kErrNotSet, name.c_str(),
                           (kHandlePrefix + partition->GetHierarchicalName().str()).c_str());
    }
    context.state.MarkChanged();
  }
  return TCL_OK;
}

int ListProperty(Context& context, const Args& args) {
  PartitionRef partition = context.state.Resolve(context, args.Positional(0));
  if (!partition) return TCL_ERROR;
  Tcl_Obj* names = PropertyNames(context, *partition.get());
  if (!names) return TCL_ERROR;
  Tcl_SetObjResult(context.interp, names);
  return TCL_OK;
}

int ReportProperty(Context& context, const Args& args) {
  PartitionRef partition = context.state.Resolve(context, args.Positional(0));
  if (!partition) return TCL_ERROR;
  Tcl_Obj* names = PropertyNames(context, *partition.get());
  if (!names) return TCL_ERROR;
  Tcl_IncrRefCount(names);
  int count = 0;
  Tcl_Obj** items = nullptr;
  Tcl_ListObjGetElements(nullptr, names, &count, &items);
  std::string report =
      ombform(kPropertyRow, kPropertyHeader[0], kPropertyHeader[1], kPropertyHeader[2]);
  int code = TCL_OK;
  for (int i = 0; i < count && code == TCL_OK; ++i) {
    const char* kind = nullptr;
    Tcl_Obj* value = PropertyValue(context, *partition.get(), Tcl_GetString(items[i]), &kind);
    if (value) {
      std::string row = ombform(kPropertyRow, Tcl_GetString(items[i]), kind, Tcl_GetString(value));
      row.erase(row.find_last_not_of(" \n") + 1);  // an empty value leaves no blanks behind
      report += row + "\n";
    } else {
      code = TCL_ERROR;
    }
  }
  Tcl_DecrRefCount(names);
  if (code == TCL_OK && !context.Print(report)) code = TCL_ERROR;
  return code;
}

}  // namespace HostTcl
