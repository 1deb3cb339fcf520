// Fixed texts of a partition's state tracking: the messages of the trait
// rules and of the timestamp records, and the keys of the stored timestamps
// and force flags. Trait names and values are in TraitTable.h; the names of
// views, tasks and file states in ZavU/AppView.h.
#pragma once

#include <cstdint>

#include "ZavU/AppView.h"

namespace ZorE {

// ---- what the trait rules throw or report ----
inline constexpr const char* kTraitInvalidNameValue =
    "Invalid Partition trait name/value <%s/%s>\n";
inline constexpr const char* kTraitInheritOnRoot =
    "Cannot set trait value of 'inherit' on root Partition.\n";
inline constexpr const char* kTraitNotInPRFlow =
    "The <%s> trait is not available for projects in the Partial Reconfiguration flow. "
    "Exiting without changes.\n";
inline constexpr const char* kTraitInvalidName = "Invalid Partition trait name <%s>\n";
inline constexpr const char* kTraitResetRefused =
    "Can not set Partition trait name/value <%s/%s>.\n";
inline constexpr const char* kTraitResetDone =
    "The <%s> trait is not available for projects in the Partial Reconfiguration flow. All "
    "Partitions have been reset to their <%s> defaults.\n";

// ---- what the timestamp and design-file records report ----
inline constexpr const char* kSetTimestampBadView = "SetTimestamp called with invalid AppView.\n";
inline constexpr const char* kGetTimestampBadView = "GetTimestamp called with invalid AppView.\n";
inline constexpr const char* kForceTaskBadTask = "ForceTask called with invalid TaskID.\n";
inline constexpr const char* kGetForceTaskBadTask = "GetForceTask called with invalid TaskID.\n";
inline constexpr const char* kSetProcessedBadView =
    "Partition::SetProcessedTimestamp: Invalid appView passed\n";
inline constexpr const char* kGetProcessedBadView =
    "Partition::GetProcessedTimestamp: Invalid appView passed\n";
inline constexpr const char* kSetInterfaceBadView =
    "Partition::SetInterfaceTimestamp: Invalid appView passed\n";
inline constexpr const char* kGetInterfaceBadView =
    "Partition::GetInterfaceTimestamp: Invalid appView passed\n";
inline constexpr const char* kSetDesignFileBadState =
    "Partition::SetPreviousDesignFile: Invalid fileState passed\n";
inline constexpr const char* kGetDesignFileBadState =
    "Partition::GetPreviousDesignFile: Invalid fileState passed\n";

// ---- stored keys ----
/// Timestamp keys are this prefix and a view's name; force-flag keys the
/// task prefix and a task's name.
inline constexpr const char* kTimestampKeyPrefix = "TS_";
inline constexpr const char* kForceFlagKeyPrefix = "FF_";
inline constexpr const char* kChildModifiedKey = "TS_CHILD_MODIFIED";

/// The task whose force flag a new timestamp of each view clears (-1: none).
inline constexpr std::int32_t kTaskClearedByView[ZavU::kAppViewCount] = {ZavU::LOM, ZavU::TRANSLATE,
                                                                         -1, -1, ZavU::PLACEMENT};

}  // namespace ZorE
