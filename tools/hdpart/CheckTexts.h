// The member names of hdpart check's JSON document (docs/JSON.md, "check"),
// in one table; the findings' own texts are the session's
// (session/CheckTexts.h).
#pragma once

namespace hdpart::CheckKeys {

inline constexpr const char* kFile = "file";
inline constexpr const char* kFindings = "findings";
// ---- every finding ----
inline constexpr const char* kKind = "kind";
inline constexpr const char* kMessage = "message";
inline constexpr const char* kLine = "line";
inline constexpr const char* kColumn = "column";
inline constexpr const char* kElement = "element";
inline constexpr const char* kPartition = "partition";
inline constexpr const char* kPin = "pin";
// ---- some kinds ----
inline constexpr const char* kAttribute = "attribute";
inline constexpr const char* kValue = "value";
inline constexpr const char* kSuggestion = "suggestion";
inline constexpr const char* kParent = "parent";
inline constexpr const char* kFirstLine = "first_line";
inline constexpr const char* kFirstColumn = "first_column";
inline constexpr const char* kLocation = "location";
inline constexpr const char* kResolvedFrom = "resolved_from";
inline constexpr const char* kPattern = "pattern";
inline constexpr const char* kFiles = "files";
inline constexpr const char* kTaken = "taken";

}  // namespace hdpart::CheckKeys
