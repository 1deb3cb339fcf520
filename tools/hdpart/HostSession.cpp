#include "HostSession.h"

#include "CitP/Factory.h"
#include "ToolMessages.h"
#include "project/CurrentProject.h"
#include "project/Registration.h"

namespace hdpart {

HostSession::~HostSession() { HostProject::SetCurrentProject(nullptr); }

bool HostSession::Start() {
  if (!CitP::Factory::LoadLibraryFactory(kLibraryName)) {
    HDPART_MSG().issueError(kMsgCannotLoadLibrary, kLibraryName,
                            CitP::Factory::LastLoadError().c_str());
    return false;
  }
  if (!CitP::Factory::IsRegistered(Port::XUID(Xuids::ZorE_Partition))) {
    HDPART_MSG().issueError(kMsgNoPartitionClass, kLibraryName);
    return false;
  }
  if (!HostProject::RegisterClasses()) {
    HDPART_MSG().issueError("%s", kMsgCannotRegisterHost);
    return false;
  }
  return true;
}

void HostSession::SetCurrent(HostProject::DesignProject* project) {
  HostProject::SetCurrentProject(project ? project->AsHDProject() : nullptr);
}

}  // namespace hdpart
