// Fixed texts of implementation import and reconfigurable modules: the import
// messages, the environment switches, the file-name patterns of the
// implementation results searched in an import location, and the names the
// configuration walk asks the project services for.
#pragma once

#include <array>

#include "ZavU/AppView.h"
#include "ZavU/ImportResults.h"

namespace ZorE {

inline constexpr const char* kImportNotReconfigurableSource =
    "Partition '%s' is specified as 'Reconfigurable=true' however it is illegally trying to "
    "import from a Partition implementation located at '%s' that is not specified "
    "'Reconfigurable=true'.  Please verify consistent settings between this configuration and "
    "the configuration referenced above.\n";
inline constexpr const char* kImportModuleMismatch =
    "The reconfigurable module name \"%s\" of imported Partition \"%s\" does not match the "
    "reconfigurable module name \"%s\" for the same Partition in the import location.  You may "
    "only import from a project that implemented the same reconfigurable module.  Please change "
    "your import location to point to an exported project that implemented the same "
    "reconfigurable module\n";
inline constexpr const char* kImportMissingFile =
    "The previous implementation file \"%s\" for Partition \"%s\" does not exist in the import "
    "location \"%s\".  Please verify that the path to the import location is correct and that "
    "the project was successfully implemented and exported.\n";
/// Set: the implementation results come from the source partition's
/// records, and an imported source's paths are kept as they are.
inline constexpr const char* kEnvPersistentPif = "OMB_PR_PERSISTENT_PIF";
/// Set: a missing implementation result is a warning, not an error.
inline constexpr const char* kEnvAllowIncompletePif = "OMB_PR_ALLOW_INCOMPLETE_PIF";

/// The results searched for, in order (shared with hosts).
using ZavU::kResultPatterns;
using ZavU::ResultPattern;

/// The configuration object's name among the design data.
inline constexpr const char* kConfigurationName = "Configuration";
/// The library that registers the autonym saver when it is missing.
inline constexpr const char* kDesignDataLibrary = "libDpm_DesignData";

}  // namespace ZorE
