// Reading a partition's record from the project repository, in the current
// format or any older one (PartitionRecordFormat.h). Each value is stored in
// the partition as soon as it is read; a failed item is reported, the load
// answers 0 and keeps what it stored so far.
//
// A record from a damaged file is read with bounds of its own: counts size
// no allocation beyond a fixed bound (entries are added as they are read, and
// a cut stream ends the loop), a last index past the end of a fixed array rejects the
// record before any entry is written, and a run of failing pin records ends
// the pin loop with one message instead of one per announced pin.
#include <algorithm>

#include "CitP/Factory.h"
#include "Partition/Partition.h"
#include "Partition/PartitionRecordFormat.h"
#include "PartitionPin/PartitionPin.h"
#include "Port/UtStr.h"
#include "framework/Messages.h"

namespace ZorE {

namespace {

using PartitionRecord::Text;
using PartitionRecord::TextOf;
using Stream = Prjrep::IPersistStream;

/// True when `status` is success; otherwise reports `failed`.
bool Read(Text failed, CitI::Status status) {
  if (status == 1) return true;
  ZORE_MSG().issueError("%s", TextOf(failed));
  return false;
}
bool Read(Text failed, bool ok) { return Read(failed, CitI::Status{ok ? 1 : 0}); }

/// Reads a count, lets `start` prepare the target, then reads that many
/// entries with `readEntry` (false on failure). A count of 0 or below reads
/// none.
template <class Start, class ReadEntry>
bool ReadCounted(Stream& s, Text countFailed, Text entryFailed, Start start, ReadEntry readEntry) {
  std::int32_t count = 0;
  if (!Read(countFailed, s.ReadInt(count))) return false;
  start();
  for (std::int32_t i = 0; i < count; ++i) {
    if (!Read(entryFailed, readEntry())) return false;
  }
  return true;
}

/// Reads a last index and entries 0 to it into `array`, then resets every
/// entry after the last one read with `reset`. An index past the array's end
/// rejects the record before any entry is touched.
template <class Array, class ReadEntry, class Reset>
bool ReadLastIndexed(Stream& s, Array& array, Text failed, const char* label, ReadEntry readEntry,
                     Reset reset) {
  const auto size = static_cast<std::int32_t>(array.size());
  std::int32_t last = -1;
  if (!Read(failed, s.ReadInt(last))) return false;
  if (last >= size) {
    ZORE_MSG().issueError(TextOf(Text::LastIndexPastEnd), label, last, size - 1);
    return false;
  }
  for (std::int32_t i = 0; i <= last; ++i) {
    if (!Read(failed, readEntry(array[i]))) return false;
  }
  for (std::int32_t i = last < 0 ? 0 : last + 1; i < size; ++i) reset(array[i]);
  return true;
}

}  // namespace

/// The helpers that fill the partition's fields directly.
struct PartitionRecordReader {
  /// Creates one pin and loads its record; a pin that fails is reported with
  /// its index and left out. The steps go as the messages say: the component
  /// first, then its record interface, then its record, and only a loaded pin
  /// is asked for its IPartitionPin and listed.
  static bool LoadPin(Partition& p, Stream& s, std::int32_t index) {
    CommonI::RefCountPtr<CitI::IInterface> created =
        CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::ZorE_PartitionPin));
    if (!created) {
      ZORE_MSG().issueError("%s", TextOf(Text::CreatePin));
      return false;
    }
    // This library's pin is reached directly, any other component through
    // its interfaces.
    PartitionPin* own = PartitionPin::FromCreated(created.get());
    Prjrep::IPersist* persist = own ? nullptr : CitI::QueryAs<Prjrep::IPersist>(created.get());
    if (!own && !persist) {
      ZORE_MSG().issueError("%s", TextOf(Text::CreatePinPersist));
      return false;
    }
    if ((own ? own->PersistLoad(&s) : persist->PersistLoad(&s)) != 1) {
      ZORE_MSG().issueError(TextOf(Text::ReadPin), index);
      return false;
    }
    ZavU::IPartitionPin* pin =
        own ? own->PinInterface() : CitI::QueryAs<ZavU::IPartitionPin>(created.get());
    if (!pin) {
      // A component with a record but no pin interface cannot be listed.
      ZORE_MSG().issueError("%s", TextOf(Text::CreatePin));
      return false;
    }
    // The creator's reference becomes the list's: it counts on the pin
    // whichever interface holds it.
    created.Detach();
    p.m_pins.push_back(ZavU::PinRef::Adopt(pin));
    return true;
  }

  /// The Reconfigurable flag, the pin count and the pins, which replace the
  /// partition's pin list.
  static bool LoadPins(Partition& p, Stream& s) {
    if (!Read(Text::ReadReconfigurable, s.ReadBool(p.m_isReconfigurable))) return false;
    std::int32_t count = 0;
    if (!Read(Text::ReadPinCount, s.ReadInt(count))) return false;
    Port_MsgManData::debugStub("Reading %d partition pins\n", count);
    p.m_pins.clear();
    // Sized once for the announced pins, within a bound a damaged count
    // cannot pass: no growth slack stays behind in a loaded project.
    if (count > 0) {
      p.m_pins.reserve(
          static_cast<std::size_t>(std::min(count, PartitionRecord::kPinsReservedAtMost)));
    }
    // One bad pin among good ones is skipped and the load goes on. Pins that
    // keep failing back to back mean a damaged or cut stream: every further
    // pin would fail the same way, so the loop ends with one message.
    bool complete = true;
    int failedInARow = 0;
    for (std::int32_t i = 0; i < count; ++i) {
      if (LoadPin(p, s, i)) {
        failedInARow = 0;
      } else if (++failedInARow == PartitionRecord::kPinFailuresInARowLimit) {
        ZORE_MSG().issueError(TextOf(Text::ReadPinsGaveUp), failedInARow);
        complete = false;
        break;
      }
    }
    p.OnPinsReplaced();
    return complete;
  }

  static bool LoadDesignFiles(Partition& p, Stream& s, PartitionRecord::DesignFiles form) {
    using PartitionRecord::DesignFiles;
    if (form == DesignFiles::kAbsent) return true;
    if (form == DesignFiles::kList) {
      return ReadLastIndexed(
          s, p.m_previousFiles, Text::ReadDesignFiles, PartitionRecord::kDesignFileListLabel,
          [&](Port::StringBase& path) { return s.ReadFileName(path); },
          [](Port::StringBase& path) { path.Empty(); });
    }
    // The old records kept only the Qnl file.
    for (Port::StringBase& path : p.m_previousFiles) path.Empty();
    Port::StringBase qnl;
    const CitI::Status status =
        form == DesignFiles::kQnlString ? s.ReadString(qnl) : s.ReadFileName(qnl);
    if (!Read(Text::ReadQnlFile, status)) return false;
    p.m_previousFiles[ZavU::QNL] = qnl;
    return true;
  }

  static bool LoadTimestampArrays(Partition& p, Stream& s) {
    auto readTime = [&](Port::Time& time) { return s.ReadTime(time); };
    auto never = [](Port::Time& time) { time = -1; };
    return ReadLastIndexed(s, p.m_processedTimestamps, Text::ReadProcessed,
                           PartitionRecord::kProcessedLabel, readTime, never) &&
           ReadLastIndexed(s, p.m_interfaceChangeTimestamps, Text::ReadInterfaceChange,
                           PartitionRecord::kInterfaceChangeLabel, readTime, never);
  }
};

CitI::Status Partition::PersistLoad(Prjrep::IPersistStream* stream) {
  if (!stream) return Read(Text::ReadVersion, CitI::Status{0});
  Stream& s = *stream;

  Port::StringBase versionText;
  Port::StringBase revisionText;
  if (!Read(Text::ReadVersion, s.ReadString(versionText)) ||
      !Read(Text::ReadRevision, s.ReadString(revisionText))) {
    return 0;
  }
  // Compared unsigned: a text of "-1" reads as a version newer than any.
  const auto version = static_cast<std::uint32_t>(UT_STR::AToI(versionText.c_str()));
  const auto revision = static_cast<std::uint32_t>(UT_STR::AToI(revisionText.c_str()));
  const PartitionRecord::Layout layout = PartitionRecord::LayoutOf(version, revision);

  if (!Read(Text::ReadXuid, s.ReadXUID(m_xuid)) || !Read(Text::ReadName, s.ReadString(m_name)) ||
      !Read(Text::ReadHierarchicalName, s.ReadString(m_hierarchicalName))) {
    return 0;
  }

  bool isRoot = false;  // the first records had no root flag
  if (layout.rootFlag && !Read(Text::ReadRootFlag, s.ReadBool(isRoot))) return 0;
  SetRoot(isRoot);

  if (!layout.pins) {
    m_isReconfigurable = false;
  } else if (!PartitionRecordReader::LoadPins(*this, s)) {
    return 0;
  }

  Port::StringBase key;
  Port::StringBase text;
  Port::Time time = -1;
  std::uint8_t flag = 0;
  // Traits are replaced; timestamps the record lacks are kept.
  if (!ReadCounted(
          s, Text::ReadTraitCount, Text::ReadTrait, [&] { m_traits.clear(); },
          [&] {
            if (s.ReadString(key) != 1 || s.ReadString(text) != 1) return false;
            m_traits[key] = text;
            return true;
          }) ||
      !ReadCounted(
          s, Text::ReadTimestampCount, Text::ReadTimestamp, [] {},
          [&] {
            if (s.ReadString(key) != 1 || s.ReadTime(time) != 1) return false;
            m_timestamps[key] = time;
            return true;
          })) {
    return 0;
  }

  // Only forced tasks have an entry; a pair with a zero flag adds nothing.
  if (layout.forceFlags &&
      !ReadCounted(
          s, Text::ReadForceFlagCount, Text::ReadForceFlag, [&] { m_forceFlags.clear(); },
          [&] {
            if (s.ReadString(key) != 1 || s.ReadByte(flag) != 1) return false;
            if (flag != 0) m_forceFlags[key] = true;
            return true;
          })) {
    return 0;
  }

  if (!PartitionRecordReader::LoadDesignFiles(*this, s, layout.designFiles)) return 0;

  using PartitionRecord::IpFiles;
  if (layout.ipFiles != IpFiles::kAbsent &&
      !ReadCounted(
          s, Text::ReadIpFileCount, Text::ReadIpFile, [&] { m_ipFiles.clear(); },
          [&] {
            const CitI::Status status =
                layout.ipFiles == IpFiles::kStrings ? s.ReadString(text) : s.ReadFileName(text);
            if (status != 1) return false;
            m_ipFiles.push_back(text);
            return true;
          })) {
    return 0;
  }

  if (layout.timestampArrays && !PartitionRecordReader::LoadTimestampArrays(*this, s)) return 0;
  return 1;
}

}  // namespace ZorE
