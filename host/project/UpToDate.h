// Our host's rule for whether a partition is up to date, which the design
// project answers the partition library with (its up-to-date query):
//
//  - synthesis is up to date when the partition has a SYNTHESIS timestamp
//    and no forced LOM task;
//  - implementation is up to date when its ROUTED timestamp is set and not
//    older than its SYNTHESIS timestamp (which must be set too), and neither
//    TRANSLATE nor PLACEMENT is forced.
//
// The conditions are checked in the order written; the reason names the
// first that failed ("PLACEMENT task forced"), or says "up to date".
#pragma once

#include <cstdint>

#include "Port/HostApi.h"
#include "ZavU/IPartition.h"

namespace HostProject {

/// The query's answers.
inline constexpr std::int32_t kUnknownPartition = 0;
inline constexpr std::int32_t kNotUpToDate = 1;
inline constexpr std::int32_t kUpToDate = 2;

/// kUpToDate or kNotUpToDate for `partition`, with the reason.
HOST_API std::int32_t UpToDateStatus(ZavU::IPartition& partition, bool synthesis,
                                     Port::StringBase& reason);

}  // namespace HostProject
