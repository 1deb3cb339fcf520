// Where every command runs: its arguments parsed, its handler called as one
// operation of the interpreter's session, and every failure turned into the
// command's Tcl error in one place: an error the handler sets, an error or
// fatal message the library or the session issues meanwhile (which the
// interpreter's reporter does not print), and what the library throws (the
// session makes it a fatal message).
#include <cstdarg>

#include "PackageLock.h"
#include "Port/MsgMan.h"
#include "Port/StringBase.h"
#include "ShellState.h"
#include "TclTexts.h"
#include "session/Session.h"

namespace HostTcl {

namespace {

/// The errors an operation drew, one after the other, without the last
/// line end.
std::string ErrorsOf(const HostSession::Outcome& outcome) {
  std::string text;
  for (const Port_Message& message : outcome.messages) {
    if (Port_IsFault(message.severity)) text += message.text;
  }
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

void SetError(Tcl_Interp* interp, const char* command, const std::string& text) {
  const std::string message = std::string(command) + ": " + text;
  Tcl_SetObjResult(interp, Tcl_NewStringObj(message.data(), static_cast<int>(message.size())));
}

}  // namespace

int Context::Error(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  SetError(interp, name, ombvform(fmt, args));
  va_end(args);
  return TCL_ERROR;
}

int Context::UsageError(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  std::string text = ombvform(fmt, args);
  va_end(args);
  SetError(interp, name, text + ombform(kUsageLine, UsageOf(command, name).c_str()));
  return TCL_ERROR;
}

bool Context::Print(const std::string& text) {
  Tcl_Channel out = Tcl_GetStdChannel(TCL_STDOUT);
  if (!out || Tcl_WriteChars(out, text.data(), static_cast<int>(text.size())) >= 0) return true;
  Error(kErrNotPrinted, Tcl_ErrnoMsg(Tcl_GetErrno()));
  return false;
}

bool Context::WholeOption(const Args& args, const char* option, int fallback, int& out) {
  Tcl_Obj* value = args.Option(option);
  out = fallback;
  if (!value) return true;
  if (Tcl_GetIntFromObj(nullptr, value, &out) == TCL_OK && out >= 0) return true;
  UsageError(kErrNotWhole, option, Tcl_GetString(value));
  return false;
}

int Dispatch(ClientData declared, Tcl_Interp* interp, int objc, Tcl_Obj* const objv[]) {
  const auto& command = *static_cast<const CommandSpec*>(declared);
  std::lock_guard<std::recursive_mutex> hold(PackageLock());
  auto* state = static_cast<ShellState*>(Tcl_GetAssocData(interp, kPackageName, nullptr));
  state->MakeCurrent();
  // Errors name the command as it was called, which a rename may have changed.
  Context context{interp, *state, command, Tcl_GetString(objv[0])};
  Tcl_ResetResult(interp);
  Args args;
  const int parsed = ParseArgs(context, objc - 1, objv + 1, args);
  if (parsed == TCL_BREAK) return TCL_OK;
  if (parsed != TCL_OK) return parsed;

  int code = TCL_ERROR;
  bool finished = false;
  const HostSession::Outcome outcome = state->Session().Run([&] {
    code = command.handler(context, args);
    finished = true;
    return code == TCL_OK;
  });
  if (!finished) Tcl_ResetResult(interp);
  const std::string reported = ErrorsOf(outcome);
  if (code == TCL_OK && reported.empty()) return TCL_OK;
  // A result the handler set says what failed; otherwise the messages do.
  const char* result = Tcl_GetString(Tcl_GetObjResult(interp));
  if (code != TCL_OK && *result) return TCL_ERROR;
  SetError(interp, context.name, reported.empty() ? kErrFailed : reported);
  return TCL_ERROR;
}

}  // namespace HostTcl
