// Start-up of the host's project services: registers the classes the
// partition library creates through the registry (the current-project
// service and the partial-reconfiguration solution helper).
#pragma once

namespace HostProject {

/// Registers a factory for each service class; true when every class is
/// known to the registry afterwards. Calling it again changes nothing.
bool RegisterClasses();

}  // namespace HostProject
