// hdpart save DESC -o PROJECT: the description's partitions saved to a
// project file, atomically, or written to standard output with -o -.
#include "Commands.h"
#include "MessageCounter.h"
#include "ToolMessages.h"
#include "persist/AtomicFile.h"
#include "session/Session.h"

namespace hdpart {

bool RunSave(const Invocation& invocation) {
  if (!OutputAccepted(invocation, HostPersist::kProjectFileKind)) return false;
  HostSession::Session session(kToolName);
  if (!session.Start() || !session.Open(invocation.operand, {invocation.pinCheck})) return false;
  // A description that drew errors is not made into a project file.
  if (invocation.messages && invocation.messages->Errors() > 0) {
    HDPART_MSG().issueError(kMsgNotWritten, invocation.output.c_str());
    return false;
  }
  return SaveOutput(session, invocation);
}

}  // namespace hdpart
