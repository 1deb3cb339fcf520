// Indexes shared by the tracking operations: application views, tasks and
// previous design file states. Callers may pass any number; operations check.
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

enum TaskID : std::int32_t { LOM = 0, TRANSLATE = 1, PLACEMENT = 2 };
inline constexpr int kTaskCount = 3;

enum fileState : std::int32_t {
  QDB = 0,
  QMP = 1,
  Packed_QPR = 2,
  Routed_QPR = 3,
  QHV = 4,
  QNL = 5,
};
inline constexpr int kFileStateCount = 6;

}  // namespace ZavU
