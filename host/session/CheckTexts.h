// The fixed texts of the description check (DescriptionCheck.cpp): what each
// finding says, the line saying where, and the faults that stop a check.
// Every finding's text is one sentence without the file or the position,
// which follow on the context line.
#pragma once

namespace HostSession::CheckTexts {

// ---- findings ----
inline constexpr const char* kUnknownAttribute = "unknown attribute \"%s\" on <%s> is ignored";
inline constexpr const char* kDidYouMean = "; did you mean \"%s\"?";
inline constexpr const char* kNotBoolean =
    "%s=\"%s\" is neither \"true\" nor \"false\"; it is read as false";
inline constexpr const char* kNotUnderParent = "partition \"%s\" is not under its parent \"%s\"";
inline constexpr const char* kRelativeName =
    "partition name \"%s\" is not absolute: it does not start with \"/\"";
inline constexpr const char* kReconfigurableRoot =
    "the root partition \"%s\" is reconfigurable; only a partition below the root can be";
inline constexpr const char* kPartitionTwice =
    "partition \"%s\" is named twice; first at line %llu column %llu";
inline constexpr const char* kPinTwice =
    "pin \"%s\" is named twice in partition \"%s\"; first at line %llu column %llu";
inline constexpr const char* kPartitionWithoutName = "a <Partition> element has no Name";
inline constexpr const char* kPinWithoutName = "a <Pin> element of partition \"%s\" has no Name";
inline constexpr const char* kNoImportLocation =
    "partition \"%s\" is in state import but names no import location";
inline constexpr const char* kLocationMissing = "import location \"%s\" does not exist";
inline constexpr const char* kLocationNotDirectory = "import location \"%s\" is not a directory";
/// After a relative location's message.
inline constexpr const char* kResolvedFrom =
    " (a relative location is taken from the working directory, \"%s\")";
inline constexpr const char* kSeveralFiles =
    "import location \"%s\" holds %zu files matching %s (%s); an import takes \"%s\"";

// ---- where: the line after each finding ----
inline constexpr const char* kAtPartition = "  at \"%s\" line %llu column %llu: partition \"%s\"";
inline constexpr const char* kAtElement = "  at \"%s\" line %llu column %llu: <%s>";
inline constexpr const char* kAndPin = ", pin \"%s\"";
inline constexpr const char* kFinding = "%s\n";

// ---- faults that stop a check; each follows the file name and ": " ----
inline constexpr const char* kProjectFile =
    "%s: a project file, not a description; only a description is checked\n";
inline constexpr const char* kNotAProject = "%s: the root element is <%s>, not <Project>\n";


}  // namespace HostSession::CheckTexts
