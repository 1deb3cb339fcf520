// The reasons the design project's up-to-date query gives.
#pragma once

namespace HostProject {

inline constexpr const char* kUpToDateYes = "up to date";
inline constexpr const char* kUpToDateNoPartition = "no partition named <%s>";
inline constexpr const char* kUpToDateNoSynthesis = "no SYNTHESIS timestamp";
inline constexpr const char* kUpToDateNoRouted = "no ROUTED timestamp";
inline constexpr const char* kUpToDateRoutedOlder =
    "ROUTED timestamp older than SYNTHESIS timestamp";
inline constexpr const char* kUpToDateForced = "%s task forced";

}  // namespace HostProject
