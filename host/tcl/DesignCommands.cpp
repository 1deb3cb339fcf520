// read_xpartition, open_project, save_project, write_xpartition and
// close_project: the design in and out of files, through the host session;
// import_partitions.
#include "ShellState.h"
#include "TclTexts.h"

namespace HostTcl {

namespace {

std::string PathOf(const Args& args, std::size_t at) { return Tcl_GetString(args.Positional(at)); }

int Open(Context& context, const Args& args, bool pinCheck) {
  return context.state.Open(PathOf(args, 0), pinCheck) ? TCL_OK : context.Failed();
}

}  // namespace

int ReadXpartition(Context& context, const Args& args) {
  return Open(context, args, context.state.PinCheck() && !args.Has("-no_pin_check"));
}

int OpenProject(Context& context, const Args& args) { return Open(context, args, true); }

int SaveProject(Context& context, const Args& args) {
  if (!context.state.RequireDesign(context)) return TCL_ERROR;
  std::string& savePath = context.state.SavePath();
  const std::string path = args.Positional(0) ? PathOf(args, 0) : savePath;
  if (path.empty()) return context.Error("%s", kErrNoSaveFile);
  if (!context.state.Session().Save(path)) return context.Failed();
  savePath = path;
  context.state.MarkSaved();
  return TCL_OK;
}

int WriteXpartition(Context& context, const Args& args) {
  if (!context.state.RequireDesign(context)) return TCL_ERROR;
  if (!context.state.Session().WriteDescription(PathOf(args, 0))) return context.Failed();
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
