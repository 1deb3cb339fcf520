// The factories of the host's service classes and their registration.
#include "project/Registration.h"

#include "project/CurrentProject.h"
#include "project/Naming.h"
#include "project/PRSolution.h"

namespace HostProject {

bool RegisterClasses() {
  bool known = HostModel::RegisterClass<CurrentProjectService>();
  known = HostModel::RegisterClass<PRSolutionHelper>() && known;
  known = HostModel::RegisterClass<AutonymLookup>() && known;
  known = HostModel::RegisterClass<Autonym>() && known;
  return known;
}

}  // namespace HostProject
