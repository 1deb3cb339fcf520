// The factories of the host's service classes and their registration.
#include "project/Registration.h"

#include "CitP/Factory.h"
#include "CitP/TFactory.h"
#include "project/CurrentProject.h"
#include "project/Naming.h"
#include "project/PRSolution.h"

namespace HostProject {

namespace {

/// Registers a factory of T under T's class; the registry keeps the factory
/// alive with its own reference.
template <class T>
bool Register() {
  CommonI::RefCountPtr<CitI::IFactory> factory =
      CommonI::RefCountPtr<CitI::IFactory>::Adopt(new CitP::TFactory<T>());
  CitP::Factory::RegisterFactory(T::ClassXuid(), factory.get());
  return CitP::Factory::IsRegistered(T::ClassXuid());
}

}  // namespace

bool RegisterClasses() {
  bool known = Register<CurrentProjectService>();
  known = Register<PRSolutionHelper>() && known;
  known = Register<AutonymLookup>() && known;
  known = Register<Autonym>() && known;
  return known;
}

}  // namespace HostProject
