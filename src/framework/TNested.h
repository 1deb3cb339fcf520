// The shared interface lookup and nested-object template, as the library's
// components name them.
#pragma once

#include "CitI/TNested.h"

namespace ZorE {
using CitI::Embedded;
using CitI::LookupInTable;
using CitI::TLookupEntry;
using CitI::TNested;
}  // namespace ZorE
