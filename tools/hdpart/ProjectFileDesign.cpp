// Loading a design from a project file. Waits for the project-file layer.
#include "Design.h"
#include "ToolMessages.h"

namespace hdpart {

bool LoadFromProjectFile(HostSession&, const std::string& path, Design&) {
  HDPART_MSG().issueError("%s: not a description file\n", path.c_str());
  return false;
}

}  // namespace hdpart
