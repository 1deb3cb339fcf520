// hdpart write FILE [-o DESC]: the description of a description or of a
// saved project, on standard output (no -o, or -o -) or into DESC.
#include "Commands.h"
#include "MessageCounter.h"
#include "ToolMessages.h"
#include "persist/AtomicFile.h"
#include "session/Session.h"
#include "session/StandardStreams.h"

namespace hdpart {

bool RunWrite(const Invocation& invocation) {
  if (!OutputAccepted(invocation, HostPersist::kDescriptionKind)) return false;
  HostSession::Session session(kToolName);
  if (!session.Start() || !session.Open(invocation.operand, {invocation.pinCheck})) return false;
  if (WritesToStandardOutput(invocation)) {
    std::string text;
    if (!session.DescriptionText(text)) return false;
    // A failed write is seen, and reported, when standard output is flushed.
    HostSession::WriteStandardOutput(text);
    return true;
  }
  // A description that drew errors is not written into a file.
  if (invocation.messages && invocation.messages->Errors() > 0) {
    HDPART_MSG().issueError(kMsgNotWritten, invocation.output.c_str());
    return false;
  }
  return session.WriteDescription(invocation.output);
}

}  // namespace hdpart
