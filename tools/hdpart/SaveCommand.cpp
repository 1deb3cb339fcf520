// hdpart save DESC -o PROJECT: the description's partitions saved to a
// project file, atomically.
#include "Commands.h"
#include "MessageCounter.h"
#include "ToolMessages.h"
#include "session/Session.h"

namespace hdpart {

bool RunSave(const Invocation& invocation) {
  HostSession::Session session(kToolName);
  if (!session.Start() || !session.Open(invocation.operand, {invocation.pinCheck})) return false;
  // A description that drew errors is not made into a project file.
  if (invocation.messages && invocation.messages->Errors() > 0) {
    HDPART_MSG().issueError(kMsgNotWritten, invocation.output.c_str());
    return false;
  }
  return session.Save(invocation.output);
}

}  // namespace hdpart
