// hdpart write FILE [-o DESC]: the description of a description or of a
// saved project, on standard output or into DESC.
#include <cstdio>

#include "Commands.h"
#include "Design.h"
#include "HostSession.h"
#include "OutputFile.h"
#include "ToolMessages.h"

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
  std::string error;
  if (!WriteFileAtomically(invocation.output, text, error)) {
    HDPART_MSG().issueError(kMsgCannotWrite, invocation.output.c_str(), error.c_str());
    return false;
  }
  return true;
}

}  // namespace hdpart
