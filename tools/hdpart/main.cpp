// hdpart, the reference host of the partition components: reads partition
// descriptions and project files, shows, saves, writes and inspects them.
// The commands are in Commands.cpp; this file turns what happened into the
// exit status: 0 success (warnings allowed), 1 an error was reported or an
// operation failed, 2 a usage error or a fatal message.
#include "CitP/Factory.h"
#include "Commands.h"
#include "MessageCounter.h"
#include "ToolMessages.h"
#include "session/Session.h"
#include "session/StandardStreams.h"

namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsageOrFatal = 2;

int Run(int argc, char** argv, hdpart::MessageCounter& counter) {
  hdpart::Invocation invocation;
  invocation.messages = &counter;
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
  Port_MsgManData::SetDebugEnabled(invocation.debug);
  // What the library throws through any interface stops here, as a fatal
  // message, before the command has written anything.
  const bool ok = HostSession::Guarded(
      hdpart::kToolName, [&invocation] { return invocation.command->run(invocation); });
  return ok ? kExitSuccess : kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
  HostSession::HoldStandardStreams();
  // The registry lets go of the library's factories when the command is done,
  // while the library is still loaded, not among the statics at exit.
  CitP::RegistryScope registry;
  hdpart::MessageCounter counter;
  int status = Run(argc, argv, counter);
  const bool printed = HostSession::FlushStandardOutput(hdpart::kToolName);
  if (counter.Fatals() > 0) return kExitUsageOrFatal;
  if (status == kExitSuccess && (!printed || counter.Errors() > 0)) status = kExitFailure;
  return status;
}
