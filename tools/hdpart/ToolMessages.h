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
inline constexpr const char* kMsgUnknownOption =
    "hdpart: unknown option \"%s\"; see 'hdpart --help'.\n";
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

// ---- the Tcl shell ----
inline constexpr const char* kTclPrompt = "hdpart% ";
inline constexpr const char* kTclContinuation = "> ";
inline constexpr const char* kTclErrorPrefix = "Error: ";

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
inline constexpr const char* kWarningNouns[] = {"warning", "warnings"};
/// The kind of file, the output, why (not a regular file).
inline constexpr const char* kMsgOutputNotRegular =
    "hdpart: cannot write %s \"%s\": %s; -o - writes to standard output.\n";

}  // namespace hdpart
