// What the test component library offers: the class it registers and the
// entry points it exports.
#pragma once

#include "Port/XUID.h"

namespace testlib {
inline constexpr Port::XuidWords kTestClass =
    Port::XuidFromText("{7e57c1a5-0000-4a11-8b0b-1ea5edc0ffee}");
}  // namespace testlib

#define TESTLIB_EXPORT __attribute__((visibility("default")))

extern "C" {
TESTLIB_EXPORT void InstFactoryEntry();  // registers the test class's factory
TESTLIB_EXPORT int TestLibEntryCount();  // how often InstFactoryEntry ran in this copy
}
