// The package's entry point: the interpreter's state, and every command of
// the table created in the interpreter.
//
// The state (and with it the session and its partitions) goes with the
// interpreter, or, when the process exits first (tclsh's "exit" deletes no
// interpreter), in an exit handler, while the Tcl objects the partitions
// hold can still be freed.
#include "ShellState.h"
#include "TclTexts.h"
#include "hdpartition.h"

namespace {

using HostTcl::ShellState;

void DeleteAtExit(ClientData state) { delete static_cast<ShellState*>(state); }

void DeleteWithInterp(ClientData state, Tcl_Interp*) {
  Tcl_DeleteExitHandler(DeleteAtExit, state);
  delete static_cast<ShellState*>(state);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int Hdpartition_Init(Tcl_Interp* interp) {
  if (!Tcl_InitStubs(interp, "8.6", 0)) return TCL_ERROR;
  if (Tcl_GetAssocData(interp, HostTcl::kPackageName, nullptr)) {
    return Tcl_PkgProvide(interp, HostTcl::kPackageName, HostTcl::kPackageVersion);
  }
  auto* state = new ShellState();
  if (!state->Start()) {
    delete state;
    Tcl_SetObjResult(interp, Tcl_NewStringObj(HostTcl::kErrNoLibrary, -1));
    return TCL_ERROR;
  }
  Tcl_SetAssocData(interp, HostTcl::kPackageName, DeleteWithInterp, state);
  Tcl_CreateExitHandler(DeleteAtExit, state);
  for (const HostTcl::CommandSpec& command : HostTcl::CommandTable()) {
    Tcl_CreateObjCommand(interp, command.name, HostTcl::Dispatch,
                         const_cast<HostTcl::CommandSpec*>(&command), nullptr);
  }
  return Tcl_PkgProvide(interp, HostTcl::kPackageName, HostTcl::kPackageVersion);
}
