// The current project and the service that tells it.
#include "project/CurrentProject.h"

namespace HostProject {

namespace {
// Never destroyed: see CurrentProject.h.
Prjrep::AutoRelease<Dpm::IHDProject>& Current() {
  static auto* const current = new Prjrep::AutoRelease<Dpm::IHDProject>();
  return *current;
}
}  // namespace

void SetCurrentProject(Dpm::IHDProject* project) { Current().Share(project); }

Dpm::IHDProject* CurrentProject() { return Current().get(); }

CitI::Status CurrentProjectService::GetCurrentProject(Dpm::IHDProject*& out,
                                                      const Port::StringBase&) {
  Prjrep::AutoRelease<Dpm::IHDProject> project;
  project.Share(Current().get());
  out = project.Detach();  // the caller's reference
  return out ? 1 : 0;
}

}  // namespace HostProject
