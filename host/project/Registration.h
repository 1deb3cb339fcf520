// Start-up of the host's project services: registers the classes the
// partition library creates through the registry (the current-project
// service, the partial-reconfiguration solution helper, the autonym lookup
// service and the autonym). The autonym saver is not among them: its library,
// libDpm_DesignData, is loaded by name when it is first asked for.
#pragma once

#include "CitP/Factory.h"
#include "CitP/TFactory.h"

namespace HostProject {

/// Registers a factory of T under T's class (`T::ClassXuid()`); the registry
/// keeps the factory alive with its own reference. True when the class is
/// known afterwards. The host's helper libraries register theirs so too.
template <class T>
bool RegisterClass() {
  CommonI::RefCountPtr<CitI::IFactory> factory =
      CommonI::RefCountPtr<CitI::IFactory>::Adopt(new CitP::TFactory<T>());
  CitP::Factory::RegisterFactory(T::ClassXuid(), factory.get());
  return CitP::Factory::IsRegistered(T::ClassXuid());
}

/// Registers a factory for each service class; true when every class is
/// known to the registry afterwards. Calling it again changes nothing.
bool RegisterClasses();

}  // namespace HostProject
