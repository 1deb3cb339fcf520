// Fixed texts of a partition that are not part of its state tracking, import
// or record: proxy names, what adding a pin and reading a description
// element report, the lines of the diagnostic dump, and the libraries and
// values of the Tcl view. Messages of the trait rules and timestamps are in
// StateTrackingTexts.h, of import in ImportTexts.h, of the record in
// PartitionRecordFormat.h.
#pragma once

namespace ZorE {

// ---- naming and pins ----
inline constexpr const char* kProxySuffix = "_PROXY";
inline constexpr const char* kPartitionGoneTrace = "In ZorE::Partition::~Partition\n";
inline constexpr const char* kPinExisting = "AddPartitionPin called with existing Partition Pin.\n";
inline constexpr const char* kPinNoInterface = "Can't create ZorE:PartitionPin Interface\n";
inline constexpr const char* kPinNoComponent = "Can't create ZorE:PartitionPin component\n";

// ---- reading the description element ----
inline constexpr const char* kXmlStateActive =
    "Partition XML state \"active\" is deprecated.  Please change the state to "
    "\"implement\".\n";
inline constexpr const char* kXmlStateUnknown = "Unknown Partition state value = \"%s\"\n";
inline constexpr const char* kXmlBadCast = "Problem casting child node.\n";
inline constexpr const char* kXmlUnexpectedNode = "Unexpected node %s under the Pins element.\n";
inline constexpr const char* kXmlMissingPinName = "Missing pin Name attribute.\n";
inline constexpr const char* kXmlDuplicatePin = "Duplicate Partition Pin names <%s>.\n";
inline constexpr const char* kXmlCannotCreatePin =
    "Can't create Partition Pin interface.  Partition Pin not loaded.\n";

// ---- the lines of the dump, in the order printed ----
inline constexpr const char* kDumpRule = "---------------------------------------------------\n";
inline constexpr const char* kDumpHeading = "Partition %s:\n";
inline constexpr const char* kDumpSimpleName = "   Simple name = %s\n";
inline constexpr const char* kDumpVersion = "   Version = %s.%s\n";
inline constexpr const char* kDumpIsRoot = "   Is root partition = %s\n";
inline constexpr const char* kDumpSupportedTraits = "   Number of supported traits = %d\n";
inline constexpr const char* kDumpTraitRow = "      %s\n";
inline constexpr const char* kDumpTraitCount = "   Number of traits = %d\n";
inline constexpr const char* kDumpNamedValue = "      %s = %s\n";
inline constexpr const char* kDumpTimestampCount = "   Number of timestamps = %d\n";
/// The calendar text ends its own line; "-1" does not.
inline constexpr const char* kDumpTimestamp = "      %s = %s";
inline constexpr const char* kDumpForceFlags = "   Force flags:\n";
inline constexpr const char* kDumpQnlFile = "   Qnl file = %s\n";
inline constexpr const char* kDumpIpCount = "   Number of IP = %d\n";
inline constexpr const char* kDumpIpFile = "      %s\n";
inline constexpr const char* kDumpPinCount = "   Number of PPs = %d\n";
inline constexpr const char* kDumpReconfigurable = "   Is marked reconfigurable = %s\n";
inline constexpr const char* kDumpIsolated = "   IsIsolated = %s\n";
inline constexpr const char* kDumpProjectLocation = "   HDProject location       = %s\n";
inline constexpr const char* kDumpParentName = "   Parent Name              = %s\n";
inline constexpr const char* kDumpPreviousFiles = "   Previous Files\n";
inline constexpr const char* kDumpCopyTimestamps = "   Copy timestamps\n";
inline constexpr const char* kDumpInterfaceTimestamps = "   Interface Change timestamps\n";
/// A view or file-state name, padded to the widest of its set, and a value.
inline constexpr const char* kDumpLabelled = "      %s : %s\n";
inline constexpr const char* kDumpYes = "yes";
inline constexpr const char* kDumpNo = "no";
inline constexpr const char* kDumpTrue = "true";
inline constexpr const char* kDumpFalse = "false";
inline constexpr const char* kDumpNull = "NULL";
inline constexpr const char* kDumpNeverSet = "-1";

// ---- the Tcl view ----
inline constexpr const char* kTclHelpersLibrary = "libTcltask_Helpers";
inline constexpr const char* kTclPartitionHelperLibrary = "devAreD_PartitionHelper";
inline constexpr const char* kTclReasonTrace = "Reason : %s\n";
inline constexpr const char* kTclUpToDate = "true";
inline constexpr const char* kTclNotUpToDate = "false";

}  // namespace ZorE
