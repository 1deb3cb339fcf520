// Time values and their calendar text.
#pragma once

#include <cstdint>

#include "Port/HostApi.h"
#include "Port/StringBase.h"

namespace Port {
/// A time value: seconds since the epoch; -1 means never set.
using Time = std::int64_t;
}  // namespace Port

namespace UT_TIME {
/// Writes the calendar text of `*time` into `out` in the form of C's ctime,
/// local time, ending in a line end: "Sun Dec  6 06:52:57 2026\n". Returns
/// `out`. A time outside the calendar writes "-1\n".
HOST_API Port::StringBase* CTime(const Port::Time* time, Port::StringBase* out);
}  // namespace UT_TIME
