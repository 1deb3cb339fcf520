// The vocabulary of a partition's element in the partition description
// "xpartition.pxml" as the partition's reader and writer use it: the names
// and keywords shared with the host (ZavU/XPartitionNames.h), how keywords
// compare, and the preserve value an element without the attribute means.
#pragma once

#include "Port/StringBase.h"
#include "ZavU/XPartitionNames.h"

namespace ZorE::XmlNames {

using namespace ZavU::XPartitionNames;

/// The preserve value of a partition whose element carries none: the root
/// keeps its routing, every other partition inherits.
inline const char* PreserveDefault(bool isRoot) { return isRoot ? "routing" : "inherit"; }

inline bool IsKeyword(const Port::StringBase& value, const char* keyword) {
  return value.Compare(keyword, Port::kCompareKeyword) == 0;
}

}  // namespace ZorE::XmlNames
