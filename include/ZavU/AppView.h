// Indexes shared by the tracking operations: application views, tasks and
// previous design file states, each with its names by index (the dump shows
// them, and the stored timestamp and force-flag keys are built from them).
// Callers may pass any number; operations check.
#pragma once

#include <cstdint>

namespace ZavU {

enum AppView : std::int32_t {
  SYNTHESIS = 0,
  EXPANDED = 1,
  FRAGCOVERED = 2,
  PACKED = 3,
  ROUTED = 4
};
inline constexpr int kAppViewCount = 5;
inline constexpr const char* kAppViewNames[kAppViewCount] = {"SYNTHESIS", "EXPANDED", "FRAGCOVERED",
                                                             "PACKED", "ROUTED"};

enum TaskID : std::int32_t { LOM = 0, TRANSLATE = 1, PLACEMENT = 2 };
inline constexpr int kTaskCount = 3;
inline constexpr const char* kTaskNames[kTaskCount] = {"LOM", "TRANSLATE", "PLACEMENT"};

enum fileState : std::int32_t {
  QDB = 0,
  QMP = 1,
  Packed_QPR = 2,
  Routed_QPR = 3,
  QHV = 4,
  QNL = 5,
};
inline constexpr int kFileStateCount = 6;
inline constexpr const char* kFileStateNames[kFileStateCount] = {"QDB",        "QMP", "Packed_QPR",
                                                                 "Routed_QPR", "QHV", "QNL"};

}  // namespace ZavU
