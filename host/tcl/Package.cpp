// The package's entry point: the interpreter's state, and every command of
// the table created in the interpreter.
//
// The state (and with it the session and its partitions) goes with the
// interpreter, or, when its thread ends first (tclsh's "exit" deletes no
// interpreter), in a thread exit handler, while the Tcl objects the
// partitions hold can still be freed by the thread that made them.
#include "PackageLock.h"
#include "ShellState.h"
#include "TclTexts.h"
#include "hdpartition.h"

namespace HostTcl {

std::recursive_mutex& PackageLock() {
  static std::recursive_mutex lock;
  return lock;
}

}  // namespace HostTcl

namespace {

using HostTcl::ShellState;

void DeleteAtThreadExit(ClientData state) {
  std::lock_guard<std::recursive_mutex> hold(HostTcl::PackageLock());
  delete static_cast<ShellState*>(state);
}

void DeleteWithInterp(ClientData state, Tcl_Interp*) {
  std::lock_guard<std::recursive_mutex> hold(HostTcl::PackageLock());
  Tcl_DeleteThreadExitHandler(DeleteAtThreadExit, state);
  delete static_cast<ShellState*>(state);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int Hdpartition_Init(Tcl_Interp* interp) {
  if (!Tcl_InitStubs(interp, "8.6", 0)) return TCL_ERROR;
  std::lock_guard<std::recursive_mutex> hold(HostTcl::PackageLock());
  if (Tcl_GetAssocData(interp, HostTcl::kPackageName, nullptr)) {
    return Tcl_PkgProvide(interp, HostTcl::kPackageName, HostTcl::kPackageVersion);
  }
  auto* state = new ShellState();
  if (!state->Start().ok) {
    delete state;
    Tcl_SetObjResult(interp, Tcl_NewStringObj(HostTcl::kErrNoLibrary, -1));
    return TCL_ERROR;
  }
  Tcl_SetAssocData(interp, HostTcl::kPackageName, DeleteWithInterp, state);
  Tcl_CreateThreadExitHandler(DeleteAtThreadExit, state);
  for (const HostTcl::CommandSpec& command : HostTcl::CommandTable()) {
    Tcl_CreateObjCommand(interp, command.name, HostTcl::Dispatch,
                         const_cast<HostTcl::CommandSpec*>(&command), nullptr);
  }
  return Tcl_PkgProvide(interp, HostTcl::kPackageName, HostTcl::kPackageVersion);
}

extern "C" __attribute__((visibility("default"))) int Hdpartition_SetPinCheck(Tcl_Interp* interp,
                                                                              int check) {
  std::lock_guard<std::recursive_mutex> hold(HostTcl::PackageLock());
  auto* state = static_cast<ShellState*>(Tcl_GetAssocData(interp, HostTcl::kPackageName, nullptr));
  if (!state) return TCL_ERROR;
  state->PinCheck() = check != 0;
  return TCL_OK;
}

extern "C" __attribute__((visibility("default"))) const char* Hdpartition_UnsavedProject(
    Tcl_Interp* interp) {
  std::lock_guard<std::recursive_mutex> hold(HostTcl::PackageLock());
  auto* state = static_cast<ShellState*>(Tcl_GetAssocData(interp, HostTcl::kPackageName, nullptr));
  if (!state || !state->Unsaved()) return nullptr;
  return state->Session().ProjectName().c_str();
}
