// The vocabulary of a partition's element in the partition description
// "xpartition.pxml", shared by its reader and its writer: element and
// attribute names (matched exactly, case matters), the keywords compared as
// keywords, and the preserve value an element without the attribute means.
#pragma once

#include "Port/StringBase.h"

namespace ZorE::XmlNames {

inline constexpr const char* kState = "State";
inline constexpr const char* kImportLocation = "ImportLocation";
inline constexpr const char* kBoundaryOpt = "BoundaryOpt";
inline constexpr const char* kImportTag = "ImportTag";
inline constexpr const char* kPreserve = "Preserve";
inline constexpr const char* kReconfigurable = "Reconfigurable";
inline constexpr const char* kReconfigModuleName = "ReconfigModuleName";
inline constexpr const char* kIsolated = "Isolated";
inline constexpr const char* kPinName = "Name";
inline constexpr const char* kPinsElement = "Pins";
inline constexpr const char* kPinElement = "Pin";

inline constexpr const char* kStateImplement = "implement";
inline constexpr const char* kStateImport = "import";
inline constexpr const char* kTrue = "true";
/// An import tag or location that names none.
inline constexpr const char* kNone = "NONE";

/// The preserve value of a partition whose element carries none: the root
/// keeps its routing, every other partition inherits.
inline const char* PreserveDefault(bool isRoot) { return isRoot ? "routing" : "inherit"; }

inline bool IsKeyword(const Port::StringBase& value, const char* keyword) {
  return value.Compare(keyword, Port::kCompareKeyword) == 0;
}

}  // namespace ZorE::XmlNames
