// How hdpart reports: its own messages go through the host's message manager
// like the library's (errors on standard error behind "ERROR: "), under the
// tool's domain. The fixed texts are here, in one table.
#pragma once

#include "Port/MsgMan.h"

#define HDPART_MSG() \
  Port_MsgManData::createObject("hdpart", __FILE_NAME__, __LINE__, HDPART_VERSION)

namespace hdpart {

// ---- usage ----
inline constexpr const char* kMsgNoCommand = "hdpart: no command given; see 'hdpart --help'.\n";
inline constexpr const char* kMsgUnknownCommand =
    "hdpart: unknown command \"%s\"; see 'hdpart --help'.\n";
inline constexpr const char* kMsgUnknownOption =
    "hdpart: unknown option \"%s\"; see 'hdpart --help'.\n";
inline constexpr const char* kMsgOptionNeedsValue = "hdpart: option \"%s\" needs a file name.\n";
inline constexpr const char* kMsgOptionTwice = "hdpart: option \"%s\" given twice.\n";
inline constexpr const char* kMsgMissingOperand = "hdpart %s: missing operand %s.\n";
inline constexpr const char* kMsgExtraOperand = "hdpart %s: unexpected operand \"%s\".\n";
inline constexpr const char* kMsgNoOutputOption = "hdpart %s: takes no -o option.\n";
inline constexpr const char* kMsgOutputRequired = "hdpart %s: -o PROJECT is required.\n";

// ---- running ----
inline constexpr const char* kMsgCannotLoadLibrary = "hdpart: cannot load %s: %s\n";
inline constexpr const char* kMsgNoPartitionClass =
    "hdpart: %s registered no partition component.\n";
inline constexpr const char* kMsgCannotRegisterHost =
    "hdpart: cannot register the host's project services.\n";
inline constexpr const char* kMsgFileFault = "%s\n";
inline constexpr const char* kMsgCannotCreatePartition = "%s: cannot create partition \"%s\".\n";
inline constexpr const char* kMsgCannotAddPartition =
    "%s: cannot add partition \"%s\" to the project.\n";
inline constexpr const char* kMsgPartitionNotRead = "%s: partition \"%s\" was not read.\n";
inline constexpr const char* kMsgCannotWrite = "hdpart: cannot write %s: %s\n";
inline constexpr const char* kMsgNotWritten =
    "hdpart: %s was not written: the input drew errors.\n";
inline constexpr const char* kMsgOutOfMemory = "hdpart: out of memory.\n";

}  // namespace hdpart
