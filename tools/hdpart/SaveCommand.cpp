// hdpart save DESC -o PROJECT: the description's partitions saved to a
// project file, atomically.
#include "Commands.h"
#include "Design.h"
#include "HostSession.h"
#include "MessageCounter.h"
#include "ToolMessages.h"

namespace hdpart {

bool RunSave(const Invocation& invocation) {
  HostSession session;
  if (!session.Start()) return false;
  Design design;
  if (!BuildFromDescription(session, invocation.operand, invocation, design)) return false;
  // A description that drew errors is not made into a project file.
  if (invocation.messages && invocation.messages->Errors() > 0) {
    HDPART_MSG().issueError(kMsgNotWritten, invocation.output.c_str());
    return false;
  }
  std::string error;
  if (!HostPersist::SaveProjectFile(invocation.output, ImageOf(design), error)) {
    HDPART_MSG().issueError(kMsgFileFault, error.c_str());
    return false;
  }
  return true;
}

}  // namespace hdpart
