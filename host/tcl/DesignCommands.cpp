// read_xpartition, open_project, save_project, write_xpartition and
// close_project: the design in and out of files, through the host session;
// import_partitions.
#include "ShellState.h"
#include "TclTexts.h"

namespace HostTcl {

namespace {

/// The FILE argument, which the command's file errors then concern.
const std::string& FileOf(Context& context, const Args& args) {
  context.file = Tcl_GetString(args.Positional(0));
  return context.file;
}

int Open(Context& context, const Args& args, bool pinCheck) {
  return context.state.Open(FileOf(context, args), pinCheck) ? TCL_OK : context.Failed();
}

}  // namespace

int ReadXpartition(Context& context, const Args& args) {
  return Open(context, args, context.state.PinCheck() && !args.Has("-no_pin_check"));
}

int OpenProject(Context& context, const Args& args) { return Open(context, args, true); }

int SaveProject(Context& context, const Args& args) {
  if (!context.state.RequireDesign(context)) return TCL_ERROR;
  std::string& savePath = context.state.SavePath();
  const std::string path = args.Positional(0) ? FileOf(context, args) : savePath;
  if (path.empty()) return context.Error(Fault::Usage, "%s", kErrNoSaveFile);
  context.file = path;
  if (!context.state.Session().Save(path)) return context.Failed();
  savePath = path;
  context.state.MarkSaved();
  return TCL_OK;
}

int WriteXpartition(Context& context, const Args& args) {
  if (!context.state.RequireDesign(context)) return TCL_ERROR;
  if (!context.state.Session().WriteDescription(FileOf(context, args))) return context.Failed();
  context.state.MarkSaved();
  return TCL_OK;
}

int CloseProject(Context& context, const Args&) {
  context.state.Close();
  return TCL_OK;
}

int ImportPartitions(Context& context, const Args&) {
  if (!context.state.RequireDesign(context)) return TCL_ERROR;
  // Partitions imported before one that failed stay imported.
  context.state.MarkChanged();
  return context.state.Session().Import() ? TCL_OK : context.Failed();
}

}  // namespace HostTcl
