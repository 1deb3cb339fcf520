// exit in the interactive shell. The interpreter's exit is renamed aside
// and a command of ours takes its name, so scripts, child interpreters and
// "info commands" see an exit as before; ours only decides whether to call
// it now.
#include <cstring>
#include <vector>

#include "TclShell.h"
#include "ToolMessages.h"
#include "hdpartition.h"

namespace hdpart {

namespace {

/// Whether `objv` (after "exit" and "-force") is what the interpreter's
/// exit accepts: nothing, or one whole number. Anything else goes straight
/// to it, for its own usage error.
bool WellFormed(int objc, Tcl_Obj* const objv[]) {
  int status = 0;
  return objc == 0 || (objc == 1 && Tcl_GetIntFromObj(nullptr, objv[0], &status) == TCL_OK);
}

}  // namespace

ExitGuard::ExitGuard(Tcl_Interp* interp) : m_interp(interp) {
  const std::string rename =
      std::string("namespace eval ::hdpart {}; rename ::") + kExitCommand + " " + kOriginalExit;
  if (Tcl_EvalEx(interp, rename.c_str(), -1, TCL_EVAL_GLOBAL) != TCL_OK) {
    Tcl_ResetResult(interp);
    return;  // no exit to guard: the interpreter's own stays
  }
  m_command = Tcl_CreateObjCommand(interp, kExitCommand, Exit, this, Deleted);
}

ExitGuard::~ExitGuard() {
  if (!m_command) return;
  Tcl_DeleteCommandFromToken(m_interp, m_command);
  const std::string rename = std::string("rename ") + kOriginalExit + " ::" + kExitCommand;
  Tcl_EvalEx(m_interp, rename.c_str(), -1, TCL_EVAL_GLOBAL);
  Tcl_ResetResult(m_interp);
}

bool ExitGuard::MayLeave() {
  const char* project = Hdpartition_UnsavedProject(m_interp);
  if (!project || m_warned) return true;
  m_warned = true;
  ShellWarning(kMsgUnsavedChanges, project);
  return false;
}

void ExitGuard::Update() {
  if (!Hdpartition_UnsavedProject(m_interp)) m_warned = false;
}

int ExitGuard::Exit(ClientData data, Tcl_Interp* interp, int objc, Tcl_Obj* const objv[]) {
  auto* guard = static_cast<ExitGuard*>(data);
  const bool force = objc > 1 && std::strcmp(Tcl_GetString(objv[1]), kExitForce) == 0;
  const int first = force ? 2 : 1;
  if (!force && WellFormed(objc - first, objv + first) && !guard->MayLeave()) return TCL_OK;
  // The interpreter's exit, called directly so that its usage error names
  // "exit", with the words after "exit" ("-force" left out).
  Tcl_CmdInfo original;
  if (!Tcl_GetCommandInfo(interp, kOriginalExit, &original) || !original.objProc) {
    // Renamed or deleted since: the interpreter says so as of any name.
    Tcl_Obj* name = Tcl_NewStringObj(kOriginalExit, -1);
    Tcl_IncrRefCount(name);
    const int code = Tcl_EvalObjv(interp, 1, &name, TCL_EVAL_GLOBAL);
    Tcl_DecrRefCount(name);
    return code;
  }
  std::vector<Tcl_Obj*> words{objv[0]};
  words.insert(words.end(), objv + first, objv + objc);
  return original.objProc(original.objClientData, interp, static_cast<int>(words.size()),
                          words.data());
}

void ExitGuard::Deleted(ClientData data) { static_cast<ExitGuard*>(data)->m_command = nullptr; }

}  // namespace hdpart
