// The read-evaluate loops of `hdpart tcl` without a script, and how an
// answer is shown. Input that is no terminal is read through the
// interpreter's own stdin channel, so a command that reads standard input
// ("gets stdin") reads the lines that follow it, as in tclsh.
#include "TclShell.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "Port/MsgMan.h"
#include "ShellWords.h"
#include "ToolMessages.h"

namespace hdpart {

namespace {

/// The return option that holds an error's code, and the code Tcl gives an
/// unknown command: TCL LOOKUP COMMAND name.
constexpr const char* kErrorCodeOption = "-errorcode";
constexpr const char* kUnknownCommandCode[] = {"TCL", "LOOKUP", "COMMAND"};

}  // namespace

std::vector<std::string> ErrorCodeOf(Tcl_Interp* interp, int code) {
  std::vector<std::string> words;
  Tcl_Obj* options = Tcl_GetReturnOptions(interp, code);
  Tcl_IncrRefCount(options);
  Tcl_Obj* key = Tcl_NewStringObj(kErrorCodeOption, -1);
  Tcl_IncrRefCount(key);
  Tcl_Obj* value = nullptr;
  int count = 0;
  Tcl_Obj** elements = nullptr;
  if (Tcl_DictObjGet(nullptr, options, key, &value) == TCL_OK && value &&
      Tcl_ListObjGetElements(nullptr, value, &count, &elements) == TCL_OK) {
    for (int i = 0; i < count; ++i) words.emplace_back(Tcl_GetString(elements[i]));
  }
  Tcl_DecrRefCount(key);
  Tcl_DecrRefCount(options);
  return words;
}

namespace {

/// Writes `text` and what the interpreter's standard output still holds
/// ("puts -nonewline"), before readline writes the prompt beside it.
void Print(const char* text) {
  if (Tcl_Channel out = Tcl_GetStdChannel(TCL_STDOUT)) {
    Tcl_WriteChars(out, text, -1);
    Tcl_Flush(out);
  }
}

bool IsBlank(const std::string& command) {
  return command.find_first_not_of(" \t\r\n") == std::string::npos;
}

/// Commands piped in, read as a script runs: the first error ends them.
bool RunPiped(Tcl_Interp* interp) {
  Tcl_Channel in = Tcl_GetStdChannel(TCL_STDIN);
  if (!in) return true;
  Tcl_Obj* line = Tcl_NewObj();
  Tcl_IncrRefCount(line);
  std::string command;
  bool ok = true;
  while (ok) {
    Tcl_SetObjLength(line, 0);
    if (Tcl_GetsObj(in, line) < 0) break;
    command += Tcl_GetString(line);
    command += '\n';
    if (!Tcl_CommandComplete(command.c_str())) continue;
    if (!IsBlank(command)) {
      const int code = Tcl_RecordAndEval(interp, command.c_str(), TCL_EVAL_GLOBAL);
      ShowResult(interp, code, false);
      ok = code == TCL_OK;
    }
    command.clear();
  }
  Tcl_DecrRefCount(line);
  return ok;
}

/// The interactive shell: it ends on exit or at the end of input, each
/// perhaps refused once while changes are not saved.
void RunTerminal(Tcl_Interp* interp) {
  Interrupts interrupts(interp);
  ExitGuard exit(interp);
  LineEditor editor(interp, interrupts.PromptDescriptor());
  std::string command, line;
  for (;;) {
    Print("");
    switch (editor.Next(command.empty() ? kTclPrompt : kTclContinuation, line)) {
      case LineEditor::Read::Interrupted:
        command.clear();
        continue;
      case LineEditor::Read::End:
        Print("\n");  // the end of input leaves the cursor after the prompt
        if (exit.MayLeave()) return;
        command.clear();
        continue;
      case LineEditor::Read::Line:
        break;
    }
    command += line;
    command += '\n';
    if (!Tcl_CommandComplete(command.c_str())) continue;
    if (!IsBlank(command)) {
      editor.Remember(command.substr(0, command.size() - 1));
      int code;
      {
        Interrupts::Running running;
        code = Tcl_RecordAndEval(interp, command.c_str(), TCL_EVAL_GLOBAL);
        running.Settle(interp, code);
        // The terminal echoed "^C" where the command's output stood.
        if (running.Pressed()) Print("\n");
      }
      ShowResult(interp, code);
      exit.Update();
    }
    command.clear();
  }
}

}  // namespace

bool RunStandardInput(Tcl_Interp* interp, bool terminal) {
  if (!terminal) return RunPiped(interp);
  RunTerminal(interp);
  return true;
}

void ShowResult(Tcl_Interp* interp, int code, bool echo) {
  const std::string result = Tcl_GetStringResult(interp);
  Tcl_Channel channel = Tcl_GetStdChannel(code == TCL_OK ? TCL_STDOUT : TCL_STDERR);
  if (!channel || (code == TCL_OK && (!echo || result.empty()))) return;
  const std::string shown = code == TCL_OK ? result : WithSuggestion(interp, code, result);
  if (code != TCL_OK) Tcl_WriteChars(channel, kTclErrorPrefix, -1);
  Tcl_WriteChars(channel, shown.c_str(), -1);
  Tcl_WriteChars(channel, "\n", 1);
  Tcl_Flush(channel);
}

std::string WithSuggestion(Tcl_Interp* interp, int code, const std::string& text) {
  const std::vector<std::string> error = ErrorCodeOf(interp, code);
  if (error.size() != 4 ||
      !std::equal(std::begin(kUnknownCommandCode), std::end(kUnknownCommandCode), error.begin())) {
    return text;
  }
  const std::size_t lineEnd = std::min(text.find('\n'), text.size());
  if (text.substr(0, lineEnd).find('"' + error[3] + '"') == std::string::npos) return text;
  const std::vector<std::string> nearest =
      NearestNames(error[3], EvalQuietly(interp, kCommandsScript));
  if (nearest.empty()) return text;
  const std::string alternatives = JoinAlternatives(nearest);
  Tcl_Obj* suggestion = Tcl_ObjPrintf(kSuggestion, alternatives.c_str());
  Tcl_IncrRefCount(suggestion);
  std::string shown = text;
  shown.insert(lineEnd, Tcl_GetString(suggestion));
  Tcl_DecrRefCount(suggestion);
  return shown;
}

void ShellWarning(const char* fmt, ...) {
  va_list args, measure;
  va_start(args, fmt);
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, fmt, measure);
  va_end(measure);
  std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
  std::vsnprintf(text.data(), text.size() + 1, fmt, args);
  va_end(args);
  if (Tcl_Channel out = Tcl_GetStdChannel(TCL_STDOUT)) Tcl_Flush(out);
  Tcl_Channel channel = Tcl_GetStdChannel(TCL_STDERR);
  if (!channel) return;
  Tcl_WriteChars(channel, Port_MsgManData::Prefix(Port_Severity::Warning), -1);
  Tcl_WriteChars(channel, text.c_str(), -1);
  Tcl_Flush(channel);
}

std::vector<std::string> EvalQuietly(Tcl_Interp* interp, const char* script) {
  std::vector<std::string> words;
  Tcl_InterpState state = Tcl_SaveInterpState(interp, TCL_OK);
  if (Tcl_EvalEx(interp, script, -1, TCL_EVAL_GLOBAL) == TCL_OK) {
    int count = 0;
    Tcl_Obj** elements = nullptr;
    if (Tcl_ListObjGetElements(nullptr, Tcl_GetObjResult(interp), &count, &elements) == TCL_OK) {
      for (int i = 0; i < count; ++i) words.emplace_back(Tcl_GetString(elements[i]));
    }
  }
  Tcl_RestoreInterpState(interp, state);
  return words;
}

}  // namespace hdpart
