// hdpart tcl [SCRIPT [ARG...]]: the partition commands in a Tcl interpreter,
// running a script as tclsh runs one, or the commands of standard input: an
// interactive shell at a terminal, a script's run otherwise (TclShell.h).
// A script keeps the default Ctrl-C, which ends the process; only the
// interactive shell turns it into an interrupt.
//
// Standard output that cannot be written is an error, also when the script
// ends with "exit": whatever the interpreter still holds is flushed and
// checked before the process ends.
#include <dlfcn.h>
#include <tcl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "Commands.h"
#include "TclShell.h"
#include "TclTexts.h"
#include "ToolMessages.h"
#include "hdpartition.h"
#include "session/SessionTexts.h"
#include "session/StandardStreams.h"

namespace hdpart {

namespace {

/// A shell reading commands from a terminal: it prompts and shows each
/// command's result, as tclsh does.
bool IsInteractive(const Invocation& invocation) {
  return invocation.operand.empty() && isatty(STDIN_FILENO);
}

/// argv, argc, argv0 and tcl_interactive, as tclsh sets them.
void SetScriptVariables(Tcl_Interp* interp, const Invocation& invocation) {
  Tcl_Obj* argv = Tcl_NewListObj(0, nullptr);
  for (const std::string& arg : invocation.scriptArgs) {
    Tcl_ListObjAppendElement(nullptr, argv, Tcl_NewStringObj(arg.c_str(), -1));
  }
  Tcl_SetVar2Ex(interp, "argv", nullptr, argv, TCL_GLOBAL_ONLY);
  Tcl_SetVar2Ex(interp, "argc", nullptr,
                Tcl_NewIntObj(static_cast<int>(invocation.scriptArgs.size())), TCL_GLOBAL_ONLY);
  const std::string argv0 = invocation.operand.empty() ? kToolName : invocation.operand;
  Tcl_SetVar2Ex(interp, "argv0", nullptr, Tcl_NewStringObj(argv0.c_str(), -1), TCL_GLOBAL_ONLY);
  Tcl_SetVar2Ex(interp, "tcl_interactive", nullptr, Tcl_NewIntObj(IsInteractive(invocation)),
                TCL_GLOBAL_ONLY);
}

/// Flushes the interpreter's standard output; false (reported) when what it
/// held, or wrote before, could not be written.
bool FlushTclOutput() {
  Tcl_Channel out = Tcl_GetStdChannel(TCL_STDOUT);
  if (!out || Tcl_Flush(out) == TCL_OK) return true;
  HDPART_MSG().issueError(HostSession::kMsgStandardOutput, kToolName, Tcl_ErrnoMsg(Tcl_GetErrno()));
  return false;
}

/// What "exit N" ends in: the output checked as at the end of a script,
/// Tcl finalised (the interpreters' designs go with it), then the process.
[[noreturn]] void ExitChecked(ClientData status) {
  const bool printed = FlushTclOutput();
  Tcl_Finalize();
  const bool flushed = HostSession::FlushStandardOutput(kToolName);
  const int code = static_cast<int>(reinterpret_cast<std::intptr_t>(status));
  std::exit(code == 0 && !(printed && flushed) ? 1 : code);
}

/// Makes the package directory known to every interpreter the shell starts
/// ("interp create" included) and to tclsh run from it: the folder of the
/// package's library, which holds the package index's folder, is added to
/// TCLLIBPATH.
void PublishPackageDirectory() {
  Dl_info info{};
  if (!dladdr(reinterpret_cast<void*>(&Hdpartition_Init), &info) || !info.dli_fname) return;
  const std::string directory = std::filesystem::path(info.dli_fname).parent_path();
  if (directory.empty()) return;
  const char* element = directory.c_str();
  char* quoted = Tcl_Merge(1, &element);
  const char* before = std::getenv("TCLLIBPATH");
  const std::string path = before && *before ? std::string(before) + " " + quoted : quoted;
  Tcl_Free(quoted);
  setenv("TCLLIBPATH", path.c_str(), 1);
}

}  // namespace

bool RunTcl(const Invocation& invocation) {
  Tcl_FindExecutable(nullptr);
  PublishPackageDirectory();
  Tcl_SetExitProc(ExitChecked);
  Tcl_Interp* interp = Tcl_CreateInterp();
  bool ok = Tcl_Init(interp) == TCL_OK && Hdpartition_Init(interp) == TCL_OK &&
            Hdpartition_SetPinCheck(interp, invocation.pinCheck) == TCL_OK;
  bool shown = false;  // whether the error that ends the run was shown
  if (ok) {
    Tcl_StaticPackage(interp, HostTcl::kPackageName, Hdpartition_Init, nullptr);
    SetScriptVariables(interp, invocation);
    if (invocation.operand.empty()) {
      ok = RunStandardInput(interp, IsInteractive(invocation));
      shown = true;
    } else {
      ok = Tcl_EvalFile(interp, invocation.operand.c_str()) == TCL_OK;
      if (!ok) {
        // As tclsh reports a script's error: the stack trace of this error
        // (not what errorInfo kept of an error caught before), shown with the
        // names nearest a mistyped command, as in the shell.
        Tcl_Obj* options = Tcl_GetReturnOptions(interp, TCL_ERROR);
        Tcl_IncrRefCount(options);
        Tcl_Obj* key = Tcl_NewStringObj("-errorinfo", -1);
        Tcl_IncrRefCount(key);
        Tcl_Obj* info = nullptr;
        Tcl_DictObjGet(nullptr, options, key, &info);
        if (info) Tcl_SetObjResult(interp, info);
        Tcl_DecrRefCount(key);
        Tcl_DecrRefCount(options);
      }
    }
  }
  if (!ok && !shown) ShowResult(interp, TCL_ERROR);
  if (!FlushTclOutput()) ok = false;
  Tcl_DeleteInterp(interp);  // the session and its partitions go with it
  Tcl_Finalize();
  return ok;
}

}  // namespace hdpart
