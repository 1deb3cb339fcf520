// Where every command runs: its arguments parsed, its handler called as one
// operation of the interpreter's session, and every failure turned into the
// command's Tcl error in one place: an error the handler sets, an error or
// fatal message the library or the session issues meanwhile (which the
// interpreter's reporter does not print), and what the library throws (the
// session makes it a fatal message). A report's output goes where -file or
// -return_string sends it once the report is complete.
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

/// What an operation's errors concern: the file a file command names, when
/// the host session refused it or could not read or write it; otherwise
/// what the library reported or threw.
ErrorCode CodeOf(const HostSession::Outcome& outcome, const std::string& file,
                 const std::string& text) {
  for (const Port_Message& message : outcome.messages) {
    if (!Port_IsFault(message.severity)) continue;
    const bool bySession = message.domain == kFrontEnd && message.severity != Port_Severity::Fatal;
    if (bySession && !file.empty()) return {Fault::Io, file};
    break;
  }
  return {Fault::Library, text};
}

void SetError(Tcl_Interp* interp, const char* command, const std::string& text,
              const ErrorCode& code) {
  const std::string message = std::string(command) + ": " + text;
  Tcl_SetObjResult(interp, Tcl_NewStringObj(message.data(), static_cast<int>(message.size())));
  Tcl_Obj* list = Tcl_NewListObj(0, nullptr);
  Tcl_ListObjAppendElement(nullptr, list, Tcl_NewStringObj(kErrorCodeHead, -1));
  Tcl_ListObjAppendElement(nullptr, list,
                           Tcl_NewStringObj(kFaultNames[static_cast<int>(code.fault)], -1));
  if (!code.subject.empty()) {
    Tcl_ListObjAppendElement(
        nullptr, list,
        Tcl_NewStringObj(code.subject.data(), static_cast<int>(code.subject.size())));
  }
  Tcl_SetObjErrorCode(interp, list);
}

/// Where a report goes: checks -file, -append and -return_string together.
bool ReportTarget(Context& context, const Args& args, bool& collect) {
  collect = args.Has(kOptionFile) || args.Has(kOptionReturnString);
  if (args.Has(kOptionAppend) && !args.Has(kOptionFile)) {
    return context.Error(Fault::Usage, "%s", kErrAppendAlone), false;
  }
  if (args.Has(kOptionFile) && args.Has(kOptionReturnString)) {
    return context.Error(Fault::Usage, "%s", kErrFileAndString), false;
  }
  return true;
}

/// Hands a collected report to where it was asked to go.
int Deliver(Context& context, const Args& args, const std::string& report) {
  Tcl_Obj* file = args.Option(kOptionFile);
  if (!file) {
    Tcl_SetObjResult(context.interp,
                     Tcl_NewStringObj(report.data(), static_cast<int>(report.size())));
    return TCL_OK;
  }
  const char* path = Tcl_GetString(file);
  Tcl_Channel channel =
      Tcl_OpenFileChannel(context.interp, path, args.Has(kOptionAppend) ? "a" : "w", 0666);
  bool written = channel && Tcl_WriteChars(channel, report.data(),
                                           static_cast<int>(report.size())) >= 0;
  const std::string why = channel ? Tcl_ErrnoMsg(Tcl_GetErrno()) : Tcl_GetStringResult(context.interp);
  if (channel && Tcl_Close(nullptr, channel) != TCL_OK) written = false;
  if (written) return TCL_OK;
  if (!channel) return context.Error({Fault::Io, path}, "%s", why.c_str());
  return context.Error({Fault::Io, path}, kErrReportFile, path, why.c_str());
}

}  // namespace

int Context::Error(const ErrorCode& code, const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  SetError(interp, name, ombvform(fmt, args), code);
  va_end(args);
  return TCL_ERROR;
}

bool Context::Print(const std::string& text) {
  if (state.Collect(text)) return true;
  Tcl_Channel out = Tcl_GetStdChannel(TCL_STDOUT);
  if (!out || Tcl_WriteChars(out, text.data(), static_cast<int>(text.size())) >= 0) return true;
  Error({Fault::Io, "stdout"}, kErrNotPrinted, Tcl_ErrnoMsg(Tcl_GetErrno()));
  return false;
}

bool Context::WholeOption(const Args& args, const char* option, int fallback, int& out) {
  Tcl_Obj* value = args.Option(option);
  out = fallback;
  if (!value) return true;
  if (Tcl_GetIntFromObj(nullptr, value, &out) == TCL_OK && out >= 0) return true;
  Error(Fault::Value, kErrNotWhole, option, Tcl_GetString(value));
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
  const int parsed = ParseArgs(context, objc, objv, args);
  if (parsed == TCL_BREAK) return TCL_OK;
  if (parsed != TCL_OK) return parsed;
  bool collect = false;
  if (IsReport(command) && !ReportTarget(context, args, collect)) return TCL_ERROR;

  int code = TCL_ERROR;
  bool finished = false;
  std::string report;
  const HostSession::Outcome outcome = state->Session().Run([&] {
    ShellState::Collecting collecting(*state, collect ? &report : nullptr);
    code = command.handler(context, args);
    finished = true;
    return code == TCL_OK;
  });
  if (!finished) Tcl_ResetResult(interp);
  const std::string reported = ErrorsOf(outcome);
  if (code == TCL_OK && reported.empty()) return collect ? Deliver(context, args, report) : TCL_OK;
  // A result the handler set says what failed; otherwise the messages do.
  const char* result = Tcl_GetString(Tcl_GetObjResult(interp));
  if (code != TCL_OK && *result) return TCL_ERROR;
  const std::string text = reported.empty() ? kErrFailed : reported;
  SetError(interp, context.name, text, CodeOf(outcome, context.file, text));
  return TCL_ERROR;
}

}  // namespace HostTcl
