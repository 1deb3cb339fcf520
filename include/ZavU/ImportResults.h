// The implementation results an import takes over from an import location,
// in the order it looks for them, each found by the pattern of its file
// name: of several files matching one pattern, the first in byte-wise order
// is taken. Hosts use the same list to tell a user which file an import
// takes.
#pragma once

#include <array>

#include "ZavU/AppView.h"

namespace ZavU {

/// An implementation result and the pattern of its file name.
struct ResultPattern {
  fileState state;
  const char* pattern;
};

inline constexpr std::array<ResultPattern, 4> kResultPatterns{{
    {QDB, "*_prev_built.qdb"},
    {QMP, "*_prev_mapped.qmp"},
    {Packed_QPR, "*_prev_mapped.qpr"},
    {Routed_QPR, "*_prev_routed.qpr"},
}};

}  // namespace ZavU
