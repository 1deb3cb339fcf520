// How hdpart reports: its own messages go through the host's message manager
// like the library's (errors on standard error behind "ERROR: "), under the
// tool's domain. The tool's own fixed texts are here, in one table; what the
// host session reports is in session/SessionTexts.h.
#pragma once

#include "Port/MsgMan.h"

#define HDPART_MSG() \
  Port_MsgManData::createObject(hdpart::kToolName, __FILE_NAME__, __LINE__, HDPART_VERSION)

namespace hdpart {

/// The tool's name: its message domain and the name its session reports under.
inline constexpr const char* kToolName = "hdpart";

// ---- usage ----
inline constexpr const char* kMsgNoCommand = "hdpart: no command given; see 'hdpart --help'.\n";
inline constexpr const char* kMsgUnknownCommand =
    "hdpart: unknown command \"%s\"; see 'hdpart --help'.\n";
inline constexpr const char* kMsgUnknownCommandNear =
    "hdpart: unknown command \"%s\"; did you mean \"%s\"? See 'hdpart --help'.\n";
inline constexpr const char* kMsgUnknownOption =
    "hdpart: unknown option \"%s\"; see 'hdpart --help'.\n";
inline constexpr const char* kMsgUnknownOptionNear =
    "hdpart: unknown option \"%s\"; did you mean \"%s\"? See 'hdpart --help'.\n";
inline constexpr const char* kMsgOptionNeedsValue = "hdpart: option \"%s\" needs %s.\n";
inline constexpr const char* kMsgNotWholeNumber =
    "hdpart: option \"%s\" needs a whole number >= 0, not \"%s\".\n";
inline constexpr const char* kMsgBadFormat =
    "hdpart %s: no format \"%s\"; the formats are text %s.\n";
inline constexpr const char* kMsgNoFormatOption = "hdpart %s: takes no --format option.\n";
inline constexpr const char* kMsgNoDepthOption = "hdpart %s: takes no --depth option.\n";
/// "hdpart help [COMMAND]".
inline constexpr const char* kHelpCommand = "help";
inline constexpr const char* kMsgOptionTwice = "hdpart: option \"%s\" given twice.\n";
inline constexpr const char* kMsgMissingOperand = "hdpart %s: missing operand %s.\n";
inline constexpr const char* kMsgExtraOperand = "hdpart %s: unexpected operand \"%s\".\n";
inline constexpr const char* kMsgNoOutputOption = "hdpart %s: takes no -o option.\n";
inline constexpr const char* kMsgOutputRequired = "hdpart %s: -o PROJECT is required.\n";

// ---- progress ----
/// Seconds an operation runs before its progress shows (1 by default).
inline constexpr const char* kProgressAfterVariable = "HDPART_PROGRESS_AFTER";
inline constexpr const char* kProgressItems = "%s: %llu of %llu %s";
inline constexpr const char* kProgressBytes = "%s: %.1f of %.1f MB %s";

// ---- the Tcl shell ----
inline constexpr const char* kTclPrompt = "hdpart% ";
inline constexpr const char* kTclContinuation = "> ";
inline constexpr const char* kTclErrorPrefix = "Error: ";
/// What a command interrupted by Ctrl-C fails with, and its -errorcode.
inline constexpr const char* kTclInterrupted = "interrupted";
inline constexpr const char* kTclInterruptedCode[] = {"HDPARTITION", "INTERRUPTED"};
/// The project's name. The shell leaves on the next exit (or end of input).
inline constexpr const char* kMsgUnsavedChanges =
    "project \"%s\" has changes not saved; save_project keeps them, exit again (or exit "
    "-force) leaves without saving\n";
/// The history file, why.
inline constexpr const char* kMsgHistoryNotRead =
    "hdpart: the command history \"%s\" cannot be read: %s; it is not kept\n";
inline constexpr const char* kMsgHistoryNotWritten =
    "hdpart: the command history \"%s\" cannot be written: %s; it is not kept\n";
/// After an unknown command's message: the nearest names ("a, b or c").
inline constexpr const char* kSuggestion = "; did you mean %s?";
/// "exit -force" leaves whatever the design holds; the interpreter's own
/// exit is kept under this name while the shell runs.
inline constexpr const char* kExitCommand = "exit";
inline constexpr const char* kExitForce = "-force";
inline constexpr const char* kOriginalExit = "::hdpart::exit";
/// Where the history lives below $XDG_STATE_HOME (or ~/.local/state), and
/// how many commands it keeps.
inline constexpr const char* kHistoryFolder = "hdpart";
inline constexpr const char* kHistoryFile = "history";
inline constexpr const char* kStateHomeVariable = "XDG_STATE_HOME";
inline constexpr const char* kDefaultStateHome = ".local/state";
inline constexpr int kHistoryLimit = 1000;
/// What Tab offers: every command's names, the root partition's properties
/// and the traits, evaluated quietly.
inline constexpr const char* kCommandsScript = "info commands";
inline constexpr const char* kPropertiesScript = "list_property [lindex [get_partitions] 0]";
inline constexpr const char* kTraitNames[] = {"guide", "preserve", "dependency_management_mode",
                                              "fleetmatch", "reconfigurable"};
inline constexpr const char* kPropertyCommands[] = {"get_property", "set_property"};
inline constexpr const char* kPartitionsScript = "get_partitions -quiet";
/// The command whose patterns complete as partitions' names.
inline constexpr const char* kPartitionsCommand = "get_partitions";
inline constexpr const char* kHelpOption = "-help";

// ---- diff ----
/// A partition one file lacks, by its hierarchical name.
inline constexpr const char* kDiffOnlyInA = "only in A: %s\n";
inline constexpr const char* kDiffOnlyInB = "only in B: %s\n";
/// A field of a partition both files hold: partition, field, then the two
/// values, or the one side's value of a pin the other lacks.
inline constexpr const char* kDiffChanged = "%s: %s: %s -> %s\n";
inline constexpr const char* kDiffFieldOnlyInA = "%s: %s: only in A: %s\n";
inline constexpr const char* kDiffFieldOnlyInB = "%s: %s: only in B: %s\n";
/// How an empty value is shown.
inline constexpr const char* kDiffEmptyValue = "\"\"";
/// The JSON document's members.
inline constexpr const char* kDiffKeyA = "a";
inline constexpr const char* kDiffKeyB = "b";
inline constexpr const char* kDiffKeySame = "same";
inline constexpr const char* kDiffKeyOnlyInA = "only_in_a";
inline constexpr const char* kDiffKeyOnlyInB = "only_in_b";
inline constexpr const char* kDiffKeyChanged = "changed";
inline constexpr const char* kDiffKeyPartition = "partition";
inline constexpr const char* kDiffKeyField = "field";

// ---- running ----
/// The closing line of a command that drew errors or warnings, on standard
/// error: "hdpart: 2 errors, 1 warning".
inline constexpr const char* kSummaryLine = "%s: %d %s, %d %s\n";
inline constexpr const char* kErrorNouns[] = {"error", "errors"};
/// After a successful import: "hdpart: imported 3 partitions from 2 locations".
inline constexpr const char* kImportSummary = "%s: imported %d %s from %d %s\n";
inline constexpr const char* kPartitionNouns[] = {"partition", "partitions"};
inline constexpr const char* kLocationNouns[] = {"location", "locations"};
inline constexpr const char* kWarningNouns[] = {"warning", "warnings"};
/// The kind of file, the output, why (not a regular file).
inline constexpr const char* kMsgOutputNotRegular =
    "hdpart: cannot write %s \"%s\": %s; -o - writes to standard output.\n";

}  // namespace hdpart
