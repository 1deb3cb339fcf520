// hdpart tcl [SCRIPT [ARG...]]: the partition commands in a Tcl interpreter,
// running a script as tclsh runs one, or an interactive shell reading lines
// through readline (editing and history), a command complete once its
// braces and brackets close.
#include <readline/history.h>
#include <readline/readline.h>
#include <tcl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Commands.h"
#include "TclTexts.h"
#include "ToolMessages.h"
#include "hdpartition.h"

namespace hdpart {

namespace {

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
  Tcl_SetVar2Ex(interp, "tcl_interactive", nullptr, Tcl_NewIntObj(invocation.operand.empty()),
                TCL_GLOBAL_ONLY);
}

/// What the last command answered: its result on standard output, or its
/// error on standard error.
void ShowResult(Tcl_Interp* interp, int code) {
  const char* result = Tcl_GetStringResult(interp);
  Tcl_Channel channel = Tcl_GetStdChannel(code == TCL_OK ? TCL_STDOUT : TCL_STDERR);
  if (!channel || (code == TCL_OK && !*result)) return;
  if (code != TCL_OK) Tcl_WriteChars(channel, kTclErrorPrefix, -1);
  Tcl_WriteChars(channel, result, -1);
  Tcl_WriteChars(channel, "\n", 1);
  Tcl_Flush(channel);
}

/// The next line of input, without its end; false at the end of input. A
/// terminal gets the prompt and readline's editing; other input is read
/// plainly, as tclsh reads it, with no prompt.
bool ReadLine(const char* prompt, std::string& out) {
  if (!isatty(STDIN_FILENO)) {
    out.clear();
    int c;
    while ((c = std::getchar()) != EOF && c != '\n') out += static_cast<char>(c);
    return c != EOF || !out.empty();
  }
  char* line = readline(prompt);
  if (!line) return false;
  out = line;
  std::free(line);
  return true;
}

void Interact(Tcl_Interp* interp) {
  std::string command, line;
  while (ReadLine(command.empty() ? kTclPrompt : kTclContinuation, line)) {
    command += line;
    command += '\n';
    if (!Tcl_CommandComplete(command.c_str())) continue;
    if (command.find_first_not_of(" \t\n") != std::string::npos) {
      std::string entry = command.substr(0, command.size() - 1);
      add_history(entry.c_str());
      ShowResult(interp, Tcl_RecordAndEval(interp, command.c_str(), TCL_EVAL_GLOBAL));
    }
    command.clear();
  }
}

}  // namespace

bool RunTcl(const Invocation& invocation) {
  Tcl_FindExecutable(nullptr);
  Tcl_Interp* interp = Tcl_CreateInterp();
  bool ok = Tcl_Init(interp) == TCL_OK && Hdpartition_Init(interp) == TCL_OK;
  if (ok) {
    Tcl_StaticPackage(interp, HostTcl::kPackageName, Hdpartition_Init, nullptr);
    SetScriptVariables(interp, invocation);
    if (invocation.operand.empty()) {
      Interact(interp);
    } else {
      ok = Tcl_EvalFile(interp, invocation.operand.c_str()) == TCL_OK;
      if (!ok) {
        // As tclsh reports a script's error: the stack trace.
        Tcl_Obj* info = Tcl_GetVar2Ex(interp, "errorInfo", nullptr, TCL_GLOBAL_ONLY);
        Tcl_SetObjResult(interp, info ? info : Tcl_GetObjResult(interp));
      }
    }
  }
  if (!ok) ShowResult(interp, TCL_ERROR);
  if (Tcl_Channel out = Tcl_GetStdChannel(TCL_STDOUT)) Tcl_Flush(out);
  Tcl_DeleteInterp(interp);  // the session and its partitions go with it
  Tcl_Finalize();
  return ok;
}

}  // namespace hdpart
