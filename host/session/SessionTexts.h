// Every message the host session issues. Messages go through the host's
// message manager under the front end's name, which also opens the messages
// that concern the front end as a whole ("hdpart: cannot load ...").
#pragma once

#define SESSION_MSG(frontEnd) \
  Port_MsgManData::createObject(frontEnd, __FILE_NAME__, __LINE__, HOST_SESSION_VERSION)

namespace HostSession {

// ---- the stages a long operation shows its progress in ----
inline constexpr const char* kStageBuilding = "partitions built";
inline constexpr const char* kStageImporting = "partitions imported";
/// Counted in bytes.
inline constexpr const char* kStageWriting = "written";

// ---- starting ----
inline constexpr const char* kMsgCannotLoadLibrary = "%s: cannot load %s: %s\n";
inline constexpr const char* kMsgNoPartitionClass = "%s: %s registered no partition component.\n";
inline constexpr const char* kMsgCannotRegisterHost =
    "%s: cannot register the host's project services.\n";

// ---- opening, saving, writing ----
/// A fault of a file, as the reader or writer put it (naming the file).
inline constexpr const char* kMsgFileFault = "%s\n";
inline constexpr const char* kMsgCannotCreatePartition = "%s: cannot create partition \"%s\".\n";
inline constexpr const char* kMsgCannotAddPartition =
    "%s: cannot add partition \"%s\" to the project.\n";
inline constexpr const char* kMsgPartitionNotRead = "%s: partition \"%s\" was not read.\n";
inline constexpr const char* kMsgNothingOpen = "%s: no design is open.\n";
/// The front end, the output, what drew the errors (below), the design's
/// file, the first error.
inline constexpr const char* kMsgInputDrewErrors =
    "%s: \"%s\" was not written: %s \"%s\" drew errors, the first: %s\n";
inline constexpr const char* kReading = "reading";
inline constexpr const char* kImporting = "the import into";
/// The library's own text, as it threw or reported it.
inline constexpr const char* kMsgLibraryText = "%s";

// ---- where a message of the library comes from (the line after it) ----
inline constexpr const char* kContextElement = "  at \"%s\" line %llu column %llu: partition \"%s\"";
inline constexpr const char* kContextElementUnplaced = "  in \"%s\": partition \"%s\"";
inline constexpr const char* kContextImport = "  importing partition \"%s\" from \"%s\"";

// ---- importing ----
inline constexpr const char* kMsgNoImportLocation =
    "%s: partition \"%s\" is in state import but names no import location; it is not "
    "imported.\n";
inline constexpr const char* kMsgExportNotOpened = "%s: partition \"%s\" is not imported: %s\n";
/// Import location, count, pattern, the files, the one taken, the partition.
inline constexpr const char* kMsgSeveralResults =
    "%s: import location \"%s\" holds %zu files matching %s (%s); the import took \"%s\" "
    "(for \"%s\" and every partition importing from there)\n";
/// Set: the results come from the exported records; the location is not searched.
inline constexpr const char* kPersistentResultsVariable = "OMB_PR_PERSISTENT_PIF";
/// Added to why an exported project was not opened, for a relative location.
inline constexpr const char* kRelativeLocation =
    " (the import location \"%s\" is relative: it was resolved from \"%s\")";
/// Why, when the exported project's file loaded but a partition of it was
/// refused.
inline constexpr const char* kExportNotFilled =
    "the exported project \"%s\" cannot be opened (see the messages above)";
inline constexpr const char* kMsgNotInExport =
    "%s: partition \"%s\" is not imported: the exported project \"%s\" holds no partition of "
    "that name.\n";

// ---- the front end's boundary ----
inline constexpr const char* kMsgStandardOutput = "%s: cannot write to standard output: %s\n";
/// The reason given when an earlier write failed and the flush did not.
inline constexpr const char* kUnknownWriteFault = "a write failed";
inline constexpr const char* kMsgOutOfMemory = "%s: out of memory.\n";

}  // namespace HostSession
