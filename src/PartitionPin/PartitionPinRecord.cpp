// The pin's record in the project repository: six items, nested inside its
// partition's record.
//
//   version (unsigned 32-bit), revision (unsigned 32-bit), identity, name,
//   Bel name, Site name
//
// Unlike the partition record, the pin keeps its version and revision as
// numbers. Every record is read with the same six items whatever numbers it
// carries. Bel and Site are written and read through the fields, not their
// accessors, which would report every use as internal.
#include "PartitionPin/PartitionPin.h"
#include "PartitionPin/PartitionPinTexts.h"
#include "framework/Messages.h"

namespace ZorE {

namespace {

enum PinRecordItem { kItemVersion, kItemRevision, kItemXuid, kItemName, kItemBel, kItemSite };

// Reports the item's failure; false. Kept out of the way of the items of
// every pin, which almost never fail.
[[gnu::cold, gnu::noinline]] bool WriteFailed(PinRecordItem item) {
  ZORE_MSG().issueError("%s", kPinRecordTexts[item].writeFailed);
  return false;
}
[[gnu::cold, gnu::noinline]] bool ReadFailed(PinRecordItem item) {
  ZORE_MSG().issueError("%s", kPinRecordTexts[item].readFailed);
  return false;
}

/// True when `status` is success; otherwise reports the item's failure.
inline bool Wrote(PinRecordItem item, CitI::Status status) {
  return status == 1 || WriteFailed(item);
}
inline bool Read(PinRecordItem item, CitI::Status status) {
  return status == 1 || ReadFailed(item);
}

}  // namespace

CitI::Status PartitionPin::PersistSave(Prjrep::IPersistStream* stream) {
  if (!stream) return Wrote(kItemVersion, 0);
  // Each item is written only when every item before it was.
  const bool saved = Wrote(kItemVersion, stream->WriteUInt(kVersion)) &&
                     Wrote(kItemRevision, stream->WriteUInt(kRevision)) &&
                     Wrote(kItemXuid, stream->WriteXUID(Port::XUID(Identity()))) &&
                     Wrote(kItemName, stream->WriteString(m_name)) &&
                     Wrote(kItemBel, stream->WriteString(Bel())) &&
                     Wrote(kItemSite, stream->WriteString(Site()));
  return saved ? 1 : 0;
}

CitI::Status PartitionPin::PersistLoad(Prjrep::IPersistStream* stream) {
  if (!stream) return Read(kItemVersion, 0);
  // The numbers are read to keep the stream in step; no record differs by them.
  std::uint32_t version = 0;
  std::uint32_t revision = 0;
  // Identity and name go straight into the fields; Bel and Site only once
  // they were read whole.
  Port::StringBase bel;
  Port::StringBase site;
  // A pin already listed by a partition is renamed by a load too; the
  // partition's name index must hear of it as of SetName.
  // (Only a watched pin's name is worth keeping for that.)
  const Port::StringBase nameBefore = m_nameWatched ? m_name : Port::StringBase();
  Port::XUID xuid(Identity());
  const bool xuidRead = Read(kItemVersion, stream->ReadUInt(version)) &&
                        Read(kItemRevision, stream->ReadUInt(revision)) &&
                        Read(kItemXuid, stream->ReadXUID(xuid));
  SetSeldom(&Seldom::xuid, xuid.Words());
  const bool nameRead = xuidRead && Read(kItemName, stream->ReadString(m_name));
  NoteNameChangedFrom(nameBefore);
  if (!(nameRead && Read(kItemBel, stream->ReadString(bel)))) {
    return 0;
  }
  SetSeldom(&Seldom::bel, bel);
  if (!Read(kItemSite, stream->ReadString(site))) return 0;
  SetSeldom(&Seldom::site, site);
  return 1;
}

}  // namespace ZorE
