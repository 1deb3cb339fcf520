// Start-up of the host's project services: registers the classes the
// partition library creates through the registry (the current-project
// service, the partial-reconfiguration solution helper, the autonym lookup
// service and the autonym). The autonym saver is not among them: its library,
// libDpm_DesignData, is loaded by name when it is first asked for.
#pragma once

#include "Port/HostApi.h"
#include "model/ServiceObject.h"

namespace HostProject {

/// Registers a factory for each service class; true when every class is
/// known to the registry afterwards. Calling it again changes nothing.
HOST_API bool RegisterClasses();

}  // namespace HostProject
