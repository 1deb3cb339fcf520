#include "Commands.h"
#include "ToolMessages.h"
namespace hdpart {
bool RunSave(const Invocation&) {
  HDPART_MSG().issueError("save: waits for the project-file layer\n");
  return false;
}
}  // namespace hdpart
