#include "Commands.h"
#include "ToolMessages.h"
namespace hdpart {
bool RunInspect(const Invocation&) {
  HDPART_MSG().issueError("inspect: waits for the project-file layer\n");
  return false;
}
}  // namespace hdpart
