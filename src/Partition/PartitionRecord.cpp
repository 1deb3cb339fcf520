// Writing a partition's record to the project repository, always in the
// current format (PartitionRecordFormat.h). The save stops at the first item
// the stream refuses, reports that item and answers 0; what was written
// before stays in the stream.
#include "Partition/Partition.h"
#include "Partition/PartitionRecordFormat.h"
#include "PartitionPin/PartitionPin.h"
#include "Port/UtStr.h"
#include "framework/Messages.h"

namespace ZorE {

namespace {

using PartitionRecord::Text;
using PartitionRecord::TextOf;

/// True when `status` is success; otherwise reports `failed` once.
bool Wrote(Text failed, CitI::Status status) {
  if (status == 1) return true;
  ZORE_MSG().issueError("%s", TextOf(failed));
  return false;
}

/// A format number, stored as decimal text.
CitI::Status WriteDecimal(Prjrep::IPersistStream& stream, int number) {
  char buffer[12];
  return stream.WriteString(UT_STR::IToA(buffer, number));
}

/// Writes the count and then each entry of `map` as a pair; one message
/// covers a failure of either half.
template <class Map, class WriteValue>
bool WriteMap(Prjrep::IPersistStream& stream, const Map& map, Text countFailed, Text pairFailed,
              WriteValue writeValue) {
  if (!Wrote(countFailed, stream.WriteInt(static_cast<std::int32_t>(map.size())))) return false;
  for (const auto& [key, value] : map) {
    const bool written = stream.WriteString(key) == 1 && writeValue(value) == 1;
    if (!Wrote(pairFailed, written ? 1 : 0)) return false;
  }
  return true;
}

/// Writes the last index of `array`, then every entry.
template <class Array, class WriteEntry>
bool WriteArray(Prjrep::IPersistStream& stream, const Array& array, Text failed,
                WriteEntry writeEntry) {
  const auto lastIndex = static_cast<std::int32_t>(array.size()) - 1;
  if (!Wrote(failed, stream.WriteInt(lastIndex))) return false;
  for (const auto& entry : array) {
    if (!Wrote(failed, writeEntry(entry))) return false;
  }
  return true;
}

}  // namespace

CitI::Status Partition::PersistSave(Prjrep::IPersistStream* stream) {
  if (!stream) return Wrote(Text::WriteVersion, 0);
  Prjrep::IPersistStream& s = *stream;

  if (!(Wrote(Text::WriteVersion, WriteDecimal(s, PartitionRecord::kVersion)) &&
        Wrote(Text::WriteRevision, WriteDecimal(s, PartitionRecord::kRevision)) &&
        Wrote(Text::WriteXuid, s.WriteXUID(m_xuid)) &&
        Wrote(Text::WriteName, s.WriteString(m_name)) &&
        Wrote(Text::WriteHierarchicalName, s.WriteString(m_hierarchicalName)) &&
        Wrote(Text::WriteRootFlag, s.WriteBool(m_isRoot)) &&
        Wrote(Text::WriteReconfigurable, s.WriteBool(m_isReconfigurable)) &&
        Wrote(Text::WritePinCount, s.WriteInt(static_cast<std::int32_t>(m_pins.size()))))) {
    return 0;
  }

  // Each pin writes its own record into the same stream. This library's
  // pins are asked directly; another implementation's through its record
  // interface.
  for (const ZavU::PinRef& pin : m_pins) {
    PartitionPin* own = PartitionPin::FromInterface(pin.get());
    Prjrep::IPersist* persist = own ? nullptr : CitI::QueryAs<Prjrep::IPersist>(pin.get());
    if (!own && !persist) {
      ZORE_MSG().issueError("%s", TextOf(Text::WritePinPersist));
      return 0;
    }
    if ((own ? own->PersistSave(stream) : persist->PersistSave(stream)) != 1) {
      ZORE_MSG().issueError(TextOf(Text::WritePin), pin->GetName().c_str());
      return 0;
    }
  }

  const bool saved =
      WriteMap(s, m_traits, Text::WriteTraitCount, Text::WriteTrait,
               [&](const Port::StringBase& value) { return s.WriteString(value); }) &&
      WriteMap(s, m_timestamps, Text::WriteTimestampCount, Text::WriteTimestamp,
               [&](Port::Time time) { return s.WriteTime(time); }) &&
      WriteMap(s, m_forceFlags, Text::WriteForceFlagCount, Text::WriteForceFlag,
               [&](bool forced) { return s.WriteByte(forced ? 1 : 0); }) &&
      WriteArray(s, m_previousFiles, Text::WriteDesignFiles,
                 [&](const Port::StringBase& path) { return s.WriteFileName(path); }) &&
      Wrote(Text::WriteIpFileCount, s.WriteInt(static_cast<std::int32_t>(m_ipFiles.size())));
  if (!saved) return 0;
  for (const Port::StringBase& path : m_ipFiles) {
    if (!Wrote(Text::WriteIpFile, s.WriteFileName(path))) return 0;
  }
  auto writeTime = [&](Port::Time time) { return s.WriteTime(time); };
  return WriteArray(s, m_processedTimestamps, Text::WriteProcessed, writeTime) &&
                 WriteArray(s, m_interfaceChangeTimestamps, Text::WriteInterfaceChange, writeTime)
             ? 1
             : 0;
}

}  // namespace ZorE
