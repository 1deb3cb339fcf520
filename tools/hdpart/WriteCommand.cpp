// hdpart write FILE [-o DESC]: the description of a description or of a
// saved project, on standard output or into DESC.
#include <cstdio>

#include "Commands.h"
#include "Design.h"
#include "HostSession.h"
#include "MessageCounter.h"
#include "ToolMessages.h"
#include "persist/AtomicFile.h"

namespace hdpart {

bool RunWrite(const Invocation& invocation) {
  HostSession session;
  if (!session.Start()) return false;
  Design design;
  if (!LoadDesign(session, invocation.operand, invocation, design)) return false;
  const std::string text = HostXml::WriteDescription(design.Content());
  if (invocation.output.empty()) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0;
  }
  // A description that drew errors is not written into a file.
  if (invocation.messages && invocation.messages->Errors() > 0) {
    HDPART_MSG().issueError(kMsgNotWritten, invocation.output.c_str());
    return false;
  }
  std::string error;
  if (!HostPersist::ReplaceFileAtomically(invocation.output, text, HostPersist::FileCalls::System(),
                                          error)) {
    HDPART_MSG().issueError(kMsgCannotWrite, invocation.output.c_str(), error.c_str());
    return false;
  }
  return true;
}

}  // namespace hdpart
