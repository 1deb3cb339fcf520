// The fixed texts of the reports the session writes.
#pragma once

namespace HostSession {

inline constexpr const char* kTreeImport = "import";
inline constexpr const char* kTreeImplement = "implement";
inline constexpr const char* kTreeStatic = "static";
/// The tree's columns after the name: preserve, association, isolation, pins.
inline constexpr const char* kTreePreserveLabel = "preserve=";
inline constexpr const char* kTreeReconfigurable = "reconfigurable %s %s";
inline constexpr const char* kTreeIsolated[] = {"isolated=no", "isolated=yes"};
inline constexpr const char* kTreePinsLabel = "pins=";
/// The table's heading.
inline constexpr const char* kTableHeading[] = {"Partition", "State",    "Preserve", "Import location",
                                                "Module",    "Isolated", "Pins"};
inline constexpr const char* kYesNo[] = {"no", "yes"};
inline constexpr const char* kTreePreserve = "preserve";
inline constexpr const char* kPartitionHelperLibrary = "devAreD_PartitionHelper";
inline constexpr const char* kMsgNoSuchPartition = "%s: the design has no partition \"%s\".\n";
inline constexpr const char* kMsgNoSuchPartitionNear =
    "%s: the design has no partition \"%s\"; did you mean \"%s\"?\n";

}  // namespace HostSession
