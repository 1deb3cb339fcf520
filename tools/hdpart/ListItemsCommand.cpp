// hdpart inspect PROJECT: the items of a project file, one a line.
#include <iostream>

#include "Commands.h"
#include "ToolMessages.h"
#include "persist/ProjectFile.h"
#include "session/SessionTexts.h"

namespace hdpart {

bool RunInspect(const Invocation& invocation) {
  std::string error;
  const bool listed = HostPersist::ListProjectFile(invocation.operand, std::cout, error);
  if (!listed) HDPART_MSG().issueError(HostSession::kMsgFileFault, error.c_str());
  return listed;
}

}  // namespace hdpart
