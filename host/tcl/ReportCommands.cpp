// report_partition, report_hierarchy and help.
#include <cerrno>
#include <cstdio>

#include "Port/StringBase.h"
#include "ShellState.h"
#include "TclTexts.h"
#include "session/NearestName.h"
#include "session/PartitionSummary.h"

namespace HostTcl {

int ReportPartition(Context& context, const Args& args) {
  std::vector<PartitionRef> partitions;
  if (args.Positional(0)) {
    std::vector<Object> objects;
    if (!context.state.ResolveObjects(context, args.Positional(0), objects,
                                      ShellState::Kind::Partition)) {
      return TCL_ERROR;
    }
    for (Object& object : objects) partitions.push_back(std::move(object.partition));
  } else {
    if (!context.state.RequireDesign(context)) return TCL_ERROR;
    partitions = context.state.Session().HierarchyOrder();
  }
  // The dump goes through the message manager to the interpreter's stdout.
  context.state.TakeOutputFault();
  for (const PartitionRef& partition : partitions) partition->Dump();
  if (context.state.TakeOutputFault()) {
    return context.Error({Fault::Io, "stdout"}, kErrNotPrinted, Tcl_ErrnoMsg(Tcl_GetErrno()));
  }
  return TCL_OK;
}

int ReportHierarchy(Context& context, const Args& args) {
  int depth = -1;
  if (!context.WholeOption(args, "-depth", -1, depth)) return TCL_ERROR;
  if (!context.state.RequireDesign(context)) return TCL_ERROR;
  const auto summaries = HostSession::Summaries(context.state.Session(), depth);
  return context.Print(HostSession::TreeText(summaries)) ? TCL_OK : TCL_ERROR;
}

int Help(Context& context, const Args& args) {
  std::string text;
  const char* pattern = args.Positional(0) ? Tcl_GetString(args.Positional(0)) : nullptr;
  for (const CommandSpec& command : CommandTable()) {
    if (!pattern) {
      text += ombform(kHelpRow, command.name, command.summary);
    } else if (Tcl_StringMatch(command.name, pattern)) {
      text += (text.empty() ? "" : "\n") + HelpOf(command);
    }
  }
  if (text.empty()) {
    std::vector<const char*> names;
    for (const CommandSpec& command : CommandTable()) names.push_back(command.name);
    const std::string nearest = HostSession::NearestName(pattern, names);
    if (nearest.empty()) return context.Error(Fault::Usage, kErrNoCommand, pattern);
    return context.Error(Fault::Usage, kErrNoCommandNear, pattern, nearest.c_str());
  }
  return context.Print(text) ? TCL_OK : TCL_ERROR;
}

}  // namespace HostTcl
