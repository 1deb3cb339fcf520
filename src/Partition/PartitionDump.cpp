// The diagnostic dump of a partition: its whole state, one status message
// per line, in a fixed order with fixed labels (tools and people read it).
// It changes nothing; it holds the parent only while printing its name.
#include <algorithm>
#include <cstring>
#include <string>

#include "Partition/Partition.h"
#include "Partition/PartitionRecordFormat.h"
#include "Partition/PartitionTexts.h"
#include "Partition/TraitTable.h"
#include "Port/UtStr.h"
#include "Port/UtTime.h"
#include "framework/Messages.h"

namespace ZorE {

namespace {

/// `name` padded with blanks to the width of the widest of `names`, so the
/// columns line up.
template <std::size_t N>
std::string Padded(const char* const (&names)[N], int index) {
  std::size_t width = 0;
  for (const char* name : names) width = std::max(width, std::strlen(name));
  std::string label = names[index];
  label.resize(width, ' ');
  return label;
}

const char* Flag(bool value) { return value ? kDumpTrue : kDumpFalse; }

/// "-1" for a time never set, else the host's calendar text.
Port::StringBase TimeText(Port::Time time) {
  if (time == -1) return kDumpNeverSet;
  Port::StringBase text;
  UT_TIME::CTime(&time, &text);
  return text;
}

int Count(std::size_t size) { return static_cast<int>(size); }

/// One status line.
#define DUMP_LINE(...) ZORE_MSG().issueStatus(__VA_ARGS__)

}  // namespace

CitI::Status Partition::Dump() {
  DUMP_LINE("%s", kDumpRule);
  DUMP_LINE(kDumpHeading, m_hierarchicalName.c_str());
  DUMP_LINE(kDumpSimpleName, m_name.c_str());
  char version[16];
  char revision[16];
  DUMP_LINE(kDumpVersion, UT_STR::IToA(version, PartitionRecord::kVersion),
            UT_STR::IToA(revision, PartitionRecord::kRevision));
  DUMP_LINE(kDumpIsRoot, m_isRoot ? kDumpYes : kDumpNo);

  const std::vector<TraitTable::Row>& rows = TraitTable::Instance().Rows();
  DUMP_LINE(kDumpSupportedTraits, Count(rows.size()));
  for (const TraitTable::Row& row : rows) {
    Port::StringBase joined;
    for (const Port::StringBase& text : row) joined.Append(text).Append(" ");
    DUMP_LINE(kDumpTraitRow, joined.c_str());
  }
  DUMP_LINE(kDumpTraitCount, Count(m_traits.size()));
  for (const auto& [name, value] : m_traits)
    DUMP_LINE(kDumpNamedValue, name.c_str(), value.c_str());

  DUMP_LINE(kDumpTimestampCount, Count(m_timestamps.size()));
  for (const auto& [key, time] : m_timestamps) {
    DUMP_LINE(kDumpTimestamp, key.c_str(), TimeText(time).c_str());
  }
  if (!m_forceFlags.empty()) {
    DUMP_LINE("%s", kDumpForceFlags);
    for (const auto& [key, forced] : m_forceFlags) {
      DUMP_LINE(kDumpNamedValue, key.c_str(), Flag(forced));
    }
  }

  DUMP_LINE(kDumpQnlFile, m_previousFiles[ZavU::QNL].c_str());
  DUMP_LINE(kDumpIpCount, Count(m_ipFiles.size()));
  for (const Port::StringBase& file : m_ipFiles) DUMP_LINE(kDumpIpFile, file.c_str());
  DUMP_LINE(kDumpPinCount, Count(m_pins.size()));
  for (const ZavU::PinRef& pin : m_pins) {
    if (pin) pin->Dump();  // an empty entry has nothing to show
  }

  DUMP_LINE(kDumpReconfigurable, Flag(m_isReconfigurable));
  DUMP_LINE(kDumpIsolated, Flag(m_isIsolated));
  DUMP_LINE(kDumpProjectLocation, m_hdProject ? m_hdProject->GetLocation().c_str() : kDumpNull);
  {
    CommonI::RefCountPtr<ZavU::IPartition> parent = LookupParent();
    DUMP_LINE(kDumpParentName, parent ? parent->GetHierarchicalName().c_str() : kDumpNull);
  }

  DUMP_LINE("%s", kDumpPreviousFiles);
  for (int state = 0; state < ZavU::kFileStateCount; ++state) {
    DUMP_LINE(kDumpLabelled, Padded(ZavU::kFileStateNames, state).c_str(),
              m_previousFiles[state].c_str());
  }
  DUMP_LINE("%s", kDumpCopyTimestamps);
  for (int view = 0; view < ZavU::kAppViewCount; ++view) {
    DUMP_LINE(kDumpLabelled, Padded(ZavU::kAppViewNames, view).c_str(),
              TimeText(m_processedTimestamps[view]).c_str());
  }
  DUMP_LINE("%s", kDumpInterfaceTimestamps);
  for (int view = 0; view < ZavU::kAppViewCount; ++view) {
    DUMP_LINE(kDumpLabelled, Padded(ZavU::kAppViewNames, view).c_str(),
              TimeText(m_interfaceChangeTimestamps[view]).c_str());
  }
  DUMP_LINE("%s", kDumpRule);
  return 1;
}

#undef DUMP_LINE

}  // namespace ZorE
