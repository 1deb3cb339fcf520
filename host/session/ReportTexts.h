// The fixed texts of the reports the session writes.
#pragma once

namespace HostSession {

/// indent, name, state, effective preserve, association, pin count.
inline constexpr const char* kTreeLine = "%*s%s  %s  preserve=%s  %s  pins=%d\n";
inline constexpr const char* kTreeImport = "import";
inline constexpr const char* kTreeImplement = "implement";
inline constexpr const char* kTreeStatic = "static";
/// The deciding partition and its module name.
inline constexpr const char* kTreeReconfigurable = "reconfigurable %s %s";
inline constexpr const char* kTreePreserve = "preserve";
inline constexpr const char* kPartitionHelperLibrary = "devAreD_PartitionHelper";

}  // namespace HostSession
