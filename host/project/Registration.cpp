// The factories of the host's service classes and their registration.
#include "project/Registration.h"

#include "project/CurrentProject.h"
#include "project/Naming.h"
#include "project/PRSolution.h"

namespace HostProject {

bool RegisterClasses() {
  bool known = RegisterClass<CurrentProjectService>();
  known = RegisterClass<PRSolutionHelper>() && known;
  known = RegisterClass<AutonymLookup>() && known;
  known = RegisterClass<Autonym>() && known;
  return known;
}

}  // namespace HostProject
