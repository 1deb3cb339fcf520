// hdpart, the reference host of the partition components: reads partition
// descriptions and project files, shows, saves, writes and inspects them.
// The commands are in Commands.cpp; this file runs one in the tool's host
// session and turns what it drew into the closing summary and the exit
// status: 0 success (warnings allowed), 1 an error was reported or an
// operation failed, 2 a usage error or a fatal message. A command whose 1 is
// an answer (diff: the files differ) ends with 2 on an error instead.
#include <cstdio>

#include "CitP/Factory.h"
#include "Commands.h"
#include "TerminalProgress.h"
#include "ToolMessages.h"
#include "session/Session.h"
#include "session/StandardStreams.h"

namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsageOrFatal = 2;

/// "hdpart: 2 errors, 1 warning" on standard error, after what the command
/// printed, when it drew any (only errors count with --quiet).
void PrintSummary(const HostSession::Outcome& totals, bool quiet) {
  if (totals.errors == 0 && (totals.warnings == 0 || quiet)) return;
  std::fflush(stdout);
  std::fprintf(stderr, hdpart::kSummaryLine, hdpart::kToolName, totals.errors,
               hdpart::kErrorNouns[totals.errors != 1], totals.warnings,
               hdpart::kWarningNouns[totals.warnings != 1]);
}

/// The exit status of a command that reported an error.
int ErrorStatus(const hdpart::Command* command) {
  return command && command->errorExitsTwo ? kExitUsageOrFatal : kExitFailure;
}

/// `command` is set to the command run, when one is.
int Run(int argc, char** argv, const hdpart::Command*& command) {
  hdpart::Invocation invocation;
  switch (hdpart::ParseArguments(argc - 1, argv + 1, invocation)) {
    case hdpart::Request::UsageError:
      return kExitUsageOrFatal;
    case hdpart::Request::ToolHelp:
      hdpart::PrintToolHelp();
      return kExitSuccess;
    case hdpart::Request::CommandHelp:
      hdpart::PrintCommandHelp(*invocation.command);
      return kExitSuccess;
    case hdpart::Request::Version:
      hdpart::PrintVersion();
      return kExitSuccess;
    case hdpart::Request::Run:
      break;
  }
  command = invocation.command;
  Port_MsgManData::SetDebugEnabled(invocation.debug);
  HostSession::Session session(hdpart::kToolName);
  invocation.session = &session;
  hdpart::TerminalProgress progress;
  if (!invocation.quiet && hdpart::TerminalProgress::Wanted()) session.SetProgress(&progress);
  // What the library throws through any interface stops in the session, as
  // a fatal message, before the command has written anything.
  const HostSession::Outcome outcome =
      session.Run([&invocation] { return invocation.command->run(invocation); });
  PrintSummary(session.Totals(), invocation.quiet);
  if (session.Totals().fatals > 0) return kExitUsageOrFatal;
  if (session.Totals().errors > 0) return ErrorStatus(command);
  return outcome.ok ? kExitSuccess : kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
  HostSession::HoldStandardStreams();
  // The registry lets go of the library's factories when the command is done,
  // while the library is still loaded, not among the statics at exit.
  CitP::RegistryScope registry;
  const hdpart::Command* command = nullptr;
  int status = Run(argc, argv, command);
  const bool printed = HostSession::FlushStandardOutput(hdpart::kToolName);
  if (!printed && status != kExitUsageOrFatal) status = ErrorStatus(command);
  return status;
}
