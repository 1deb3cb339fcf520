// The names the host's project services answer to and hand out.
#pragma once

namespace HostProject {

/// The configuration's name among the design data.
inline constexpr const char* kConfigurationName = "Configuration";
/// The project file an exported project keeps at its location: what a
/// project repository created for a location the host did not open stands
/// for, and what an import opens.
inline constexpr const char* kExportedProjectFile = "project.hdproj";

}  // namespace HostProject
