// The names the host's project services answer to and hand out.
#pragma once

namespace HostProject {

/// The configuration's name among the design data.
inline constexpr const char* kConfigurationName = "Configuration";
/// The project file of a project repository created for a location the host
/// did not open: the file an exported project keeps at its location.
inline constexpr const char* kDefaultProjectFile = "project.hdproj";

}  // namespace HostProject
