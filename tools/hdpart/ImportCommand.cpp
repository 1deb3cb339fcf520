// hdpart import DESC -o PROJECT: the previous implementations of the
// description's imported partitions taken over, then the project saved.
#include "Commands.h"
#include "MessageCounter.h"
#include "ToolMessages.h"
#include "persist/AtomicFile.h"
#include "session/Session.h"

namespace hdpart {

bool RunImport(const Invocation& invocation) {
  if (!OutputAccepted(invocation, HostPersist::kProjectFileKind)) return false;
  HostSession::Session session(kToolName);
  if (!session.Start() || !session.Open(invocation.operand, {invocation.pinCheck})) return false;
  const bool imported = session.Import();
  // As for save: nothing is written once an error was reported.
  if (!imported || (invocation.messages && invocation.messages->Errors() > 0)) {
    HDPART_MSG().issueError(kMsgNotWritten, invocation.output.c_str());
    return false;
  }
  return SaveOutput(session, invocation);
}

}  // namespace hdpart
