// Checking a partition description for what neither the library nor the
// host's reader refuse, but which is most likely a mistake: attributes that
// are not the description's (and read as absent), flags that are neither
// "true" nor "false" (and read as false), names out of place, given twice or
// not absolute, a reconfigurable root, and import locations an import would
// fail on or choose among.
//
//   std::vector<HostSession::Finding> findings;
//   if (!HostSession::CheckDescription(session, "xpartition.pxml", findings)) return fail;
//   HostSession::ReportFindings(session, "xpartition.pxml", findings);   // warnings
//
// Findings come in document order, each placed at the start of the element
// it concerns. The check builds no partition: it needs the session's
// Xerces-C, not the library.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Port/HostApi.h"

namespace HostSession {

class Session;

/// The kinds of finding and the names a machine reads them by.
#define HOST_SESSION_FINDING_KINDS(X)          \
  X(UnknownAttribute, "unknown-attribute")     \
  X(NotBoolean, "not-boolean")                 \
  X(NotUnderParent, "not-under-parent")        \
  X(RelativeName, "relative-name")             \
  X(ReconfigurableRoot, "reconfigurable-root") \
  X(NameTwice, "name-twice")                   \
  X(NoName, "no-name")                         \
  X(ImportLocation, "import-location")         \
  X(SeveralImportFiles, "several-import-files")

enum class FindingKind {
#define HOST_SESSION_FINDING_ENUM(kind, name) kind,
  HOST_SESSION_FINDING_KINDS(HOST_SESSION_FINDING_ENUM)
#undef HOST_SESSION_FINDING_ENUM
};

/// "unknown-attribute", ...
HOST_API const char* KindName(FindingKind kind);

struct HOST_API Finding {
  FindingKind kind;
  /// One sentence, without the file or the position.
  std::string message;
  /// Where the element concerned starts; 0 when it is not known.
  std::uint64_t line = 0;
  std::uint64_t column = 0;
  /// The element concerned: "Project", "Partition", "Pins" or "Pin".
  std::string element;
  /// The partition concerned (a pin's or a Pins element's own partition);
  /// none for the Project element and for a partition without a name.
  std::optional<std::string> partition;
  /// The pin concerned, when it has a name.
  std::optional<std::string> pin;

  /// unknown-attribute and not-boolean: the attribute, and its value.
  std::string attribute;
  std::string value;
  /// unknown-attribute: the known name it most likely meant.
  std::optional<std::string> suggestion;
  /// not-under-parent: the parent's name.
  std::string parent;
  /// name-twice: where the name was first given.
  std::uint64_t firstLine = 0;
  std::uint64_t firstColumn = 0;
  /// import-location and several-import-files: the location as given, and
  /// the directory a relative one is taken from (the working directory).
  std::string location;
  std::optional<std::string> resolvedFrom;
  /// several-import-files: the pattern, the files matching it in the order
  /// an import looks at them, and the one it takes (the first).
  std::string pattern;
  std::vector<std::string> files;
};

/// Checks the description at `path`. False, with an error reported under
/// the session's front end, when the file cannot be read, is not well
/// formed, or is no description (a project file, a root other than
/// <Project>); the findings are not reported, only returned.
HOST_API bool CheckDescription(const Session& session, const std::string& path,
                               std::vector<Finding>& findings);

/// Reports each finding as a warning under the session's front end, followed
/// by a line saying where: `  at "d.pxml" line 4 column 5: partition "/top/u1"`.
HOST_API void ReportFindings(const Session& session, const std::string& path,
                             const std::vector<Finding>& findings);

}  // namespace HostSession
