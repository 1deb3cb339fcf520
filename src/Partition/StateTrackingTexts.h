// Fixed texts of a partition's state tracking: the messages of the trait
// rules and of the timestamp records, and the keys and labels of application
// views, tasks and previous design file states. Trait names and values are in
// TraitTable.h.
#pragma once

#include <cstdint>

#include "ZavU/AppView.h"

namespace ZorE {

/// What the trait rules throw or report.
struct TraitTexts {
  const char* invalidNameValue = "Invalid Partition trait name/value <%s/%s>\n";
  const char* inheritOnRoot = "Cannot set trait value of 'inherit' on root Partition.\n";
  const char* notInPRFlow =
      "The <%s> trait is not available for projects in the Partial Reconfiguration flow. "
      "Exiting without changes.\n";
  const char* invalidName = "Invalid Partition trait name <%s>\n";
  const char* resetRefused = "Can not set Partition trait name/value <%s/%s>.\n";
  const char* resetDone =
      "The <%s> trait is not available for projects in the Partial Reconfiguration flow. All "
      "Partitions have been reset to their <%s> defaults.\n";
};
inline constexpr TraitTexts kTraitText{};

/// What the timestamp and design-file records report.
struct TrackingTexts {
  const char* setTimestampView = "SetTimestamp called with invalid AppView.\n";
  const char* getTimestampView = "GetTimestamp called with invalid AppView.\n";
  const char* forceTaskTask = "ForceTask called with invalid TaskID.\n";
  const char* getForceTaskTask = "GetForceTask called with invalid TaskID.\n";
  const char* setProcessedView = "Partition::SetProcessedTimestamp: Invalid appView passed\n";
  const char* getProcessedView = "Partition::GetProcessedTimestamp: Invalid appView passed\n";
  const char* setInterfaceView = "Partition::SetInterfaceTimestamp: Invalid appView passed\n";
  const char* getInterfaceView = "Partition::GetInterfaceTimestamp: Invalid appView passed\n";
  const char* setDesignFileState = "Partition::SetPreviousDesignFile: Invalid fileState passed\n";
  const char* getDesignFileState = "Partition::GetPreviousDesignFile: Invalid fileState passed\n";
};
inline constexpr TrackingTexts kTrackingText{};

/// Timestamp keys are this prefix and a view's suffix; force-flag keys the
/// task prefix and a task's word.
inline constexpr const char* kTimestampKeyPrefix = "TS";
inline constexpr const char* kForceFlagKeyPrefix = "FF_";
inline constexpr const char* kChildModifiedKey = "TS_CHILD_MODIFIED";

/// One application view: its key suffix, its label in the dump, and the task
/// whose force flag a new timestamp of it clears (-1: none).
struct AppViewInfo {
  const char* keySuffix;
  const char* dumpLabel;
  std::int32_t clearsTask;
};
inline constexpr AppViewInfo kAppViews[ZavU::kAppViewCount] = {
    {"_SYNTHESIS", "SYNTHESIS  ", ZavU::LOM},    {"_EXPANDED", "EXPANDED   ", ZavU::TRANSLATE},
    {"_FRAGCOVERED", "FRAGCOVERED", -1},         {"_PACKED", "PACKED     ", -1},
    {"_ROUTED", "ROUTED     ", ZavU::PLACEMENT},
};

/// Task words, by task index.
inline constexpr const char* kTaskWords[ZavU::kTaskCount] = {"LOM", "TRANSLATE", "PLACEMENT"};

/// Labels of the previous design file states in the dump, by state index.
inline constexpr const char* kFileStateLabels[ZavU::kFileStateCount] = {
    "QDB", "QMP", "Packed_QPR", "Routed_QPR", "QHV", "QNL"};

}  // namespace ZorE
