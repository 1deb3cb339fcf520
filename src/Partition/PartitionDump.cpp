// The diagnostic dump of a partition: its whole state, one status message
// per line, in a fixed order with fixed labels (tools and people read it).
// It changes nothing; it holds the parent only while printing its name.
#include "Partition/Partition.h"
#include "Partition/TraitTable.h"
#include "Port/UtStr.h"
#include "Port/UtTime.h"
#include "framework/Messages.h"

namespace ZorE {

namespace {

// ---- the lines of the dump, in the order printed ----
constexpr const char* kRule = "---------------------------------------------------\n";
constexpr const char* kHeading = "Partition %s:\n";
constexpr const char* kSimpleName = "   Simple name = %s\n";
constexpr const char* kVersion = "   Version = %s.%s\n";
constexpr const char* kIsRoot = "   Is root partition = %s\n";
constexpr const char* kSupportedTraits = "   Number of supported traits = %d\n";
constexpr const char* kTraitRow = "      %s\n";
constexpr const char* kTraitCount = "   Number of traits = %d\n";
constexpr const char* kNamedValue = "      %s = %s\n";
constexpr const char* kTimestampCount = "   Number of timestamps = %d\n";
// The calendar text ends its own line; "-1" does not.
constexpr const char* kTimestamp = "      %s = %s";
constexpr const char* kForceFlags = "   Force flags:\n";
constexpr const char* kQnlFile = "   Qnl file = %s\n";
constexpr const char* kIpCount = "   Number of IP = %d\n";
constexpr const char* kIpFile = "      %s\n";
constexpr const char* kPinCount = "   Number of PPs = %d\n";
constexpr const char* kReconfigurable = "   Is marked reconfigurable = %s\n";
constexpr const char* kIsolated = "   IsIsolated = %s\n";
constexpr const char* kProjectLocation = "   HDProject location       = %s\n";
constexpr const char* kParentName = "   Parent Name              = %s\n";
constexpr const char* kPreviousFiles = "   Previous Files\n";
constexpr const char* kCopyTimestamps = "   Copy timestamps\n";
constexpr const char* kInterfaceTimestamps = "   Interface Change timestamps\n";
constexpr const char* kLabelled = "      %s : %s\n";
constexpr const char* kYes = "yes";
constexpr const char* kNo = "no";
constexpr const char* kTrue = "true";
constexpr const char* kFalse = "false";
constexpr const char* kNull = "NULL";

// Labels padded to one width so the columns line up.
const char* const kFileStateLabels[ZavU::kFileStateCount] = {
    "QDB       ", "QMP       ", "Packed_QPR", "Routed_QPR", "QHV       ", "QNL       "};
const char* const kViewLabels[ZavU::kAppViewCount] = {"SYNTHESIS  ", "EXPANDED   ", "FRAGCOVERED",
                                                      "PACKED     ", "ROUTED     "};

/// The format the partition record is currently written in.
constexpr int kRecordVersion = 2;
constexpr int kRecordRevision = 0;

const char* Flag(bool value) { return value ? kTrue : kFalse; }

/// "-1" for a time never set, else the host's calendar text.
Port::StringBase TimeText(Port::Time time) {
  if (time == -1) return "-1";
  Port::StringBase text;
  UT_TIME::CTime(&time, &text);
  return text;
}

int Count(std::size_t size) { return static_cast<int>(size); }

/// One status line.
#define DUMP_LINE(...) ZORE_MSG().issueStatus(__VA_ARGS__)

}  // namespace

CitI::Status Partition::Dump() {
  DUMP_LINE("%s", kRule);
  DUMP_LINE(kHeading, m_hierarchicalName.c_str());
  DUMP_LINE(kSimpleName, m_name.c_str());
  char version[16];
  char revision[16];
  DUMP_LINE(kVersion, UT_STR::IToA(version, kRecordVersion),
            UT_STR::IToA(revision, kRecordRevision));
  DUMP_LINE(kIsRoot, m_isRoot ? kYes : kNo);

  const std::vector<TraitTable::Row>& rows = TraitTable::Instance().Rows();
  DUMP_LINE(kSupportedTraits, Count(rows.size()));
  for (const TraitTable::Row& row : rows) {
    Port::StringBase joined;
    for (const Port::StringBase& text : row) joined.Append(text).Append(" ");
    DUMP_LINE(kTraitRow, joined.c_str());
  }
  DUMP_LINE(kTraitCount, Count(m_traits.size()));
  for (const auto& [name, value] : m_traits) DUMP_LINE(kNamedValue, name.c_str(), value.c_str());

  DUMP_LINE(kTimestampCount, Count(m_timestamps.size()));
  for (const auto& [key, time] : m_timestamps) {
    DUMP_LINE(kTimestamp, key.c_str(), TimeText(time).c_str());
  }
  if (!m_forceFlags.empty()) {
    DUMP_LINE("%s", kForceFlags);
    for (const auto& [key, forced] : m_forceFlags) {
      DUMP_LINE(kNamedValue, key.c_str(), Flag(forced));
    }
  }

  DUMP_LINE(kQnlFile, m_previousFiles[ZavU::QNL].c_str());
  DUMP_LINE(kIpCount, Count(m_ipFiles.size()));
  for (const Port::StringBase& file : m_ipFiles) DUMP_LINE(kIpFile, file.c_str());
  DUMP_LINE(kPinCount, Count(m_pins.size()));
  for (const ZavU::PinRef& pin : m_pins) {
    if (pin) pin->Dump();  // an empty entry has nothing to show
  }

  DUMP_LINE(kReconfigurable, Flag(m_isReconfigurable));
  DUMP_LINE(kIsolated, Flag(m_isIsolated));
  DUMP_LINE(kProjectLocation, m_hdProject ? m_hdProject->GetLocation().c_str() : kNull);
  {
    CommonI::RefCountPtr<ZavU::IPartition> parent = LookupParent();
    DUMP_LINE(kParentName, parent ? parent->GetHierarchicalName().c_str() : kNull);
  }

  DUMP_LINE("%s", kPreviousFiles);
  for (int state = 0; state < ZavU::kFileStateCount; ++state) {
    DUMP_LINE(kLabelled, kFileStateLabels[state], m_previousFiles[state].c_str());
  }
  DUMP_LINE("%s", kCopyTimestamps);
  for (int view = 0; view < ZavU::kAppViewCount; ++view) {
    DUMP_LINE(kLabelled, kViewLabels[view], TimeText(m_processedTimestamps[view]).c_str());
  }
  DUMP_LINE("%s", kInterfaceTimestamps);
  for (int view = 0; view < ZavU::kAppViewCount; ++view) {
    DUMP_LINE(kLabelled, kViewLabels[view], TimeText(m_interfaceChangeTimestamps[view]).c_str());
  }
  DUMP_LINE("%s", kRule);
  return 1;
}

#undef DUMP_LINE

}  // namespace ZorE
