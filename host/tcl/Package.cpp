// The package's entry point: the interpreter's state, and every command of
// the table created in the interpreter.
//
// The state (and with it the session and its partitions) goes with the
// interpreter, or, when its thread ends first (tclsh's "exit" deletes no
// interpreter), in a thread exit handler, while the Tcl objects the
// partitions hold can still be freed by the thread that made them.
#include <string>

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

/// Every command of the table in ::hdpartition, exported, and imported into
/// the global namespace as EDA shells have their commands; a global command
/// of the same name made before (a proc of the script's own) is kept, and
/// the package's stays reachable by its qualified name.
bool CreateCommands(Tcl_Interp* interp) {
  Tcl_Namespace* space = Tcl_FindNamespace(interp, HostTcl::kNamespace, nullptr, 0);
  if (!space) space = Tcl_CreateNamespace(interp, HostTcl::kNamespace, nullptr, nullptr);
  if (!space || Tcl_Export(interp, space, "*", 0) != TCL_OK) return false;
  for (const HostTcl::CommandSpec& command : HostTcl::CommandTable()) {
    const std::string qualified = std::string(HostTcl::kNamespace) + "::" + command.name;
    Tcl_CreateObjCommand(interp, qualified.c_str(), HostTcl::Dispatch,
                         const_cast<HostTcl::CommandSpec*>(&command), nullptr);
    if (Tcl_FindCommand(interp, command.name, nullptr, TCL_GLOBAL_ONLY)) continue;
    if (Tcl_Import(interp, Tcl_GetGlobalNamespace(interp), qualified.c_str(), 0) != TCL_OK) {
      return false;
    }
  }
  return true;
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
  if (!CreateCommands(interp)) return TCL_ERROR;
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
