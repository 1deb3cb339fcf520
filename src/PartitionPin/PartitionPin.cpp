// Construction, lookup, name, Bel and Site, dump and version of a pin, and
// the forwarding of its nested interface objects.
#include "PartitionPin/PartitionPin.h"

#include <atomic>
#include <typeinfo>

#include "PartitionPin/PartitionPinTexts.h"
#include "framework/LiveObjects.h"
#include "framework/Messages.h"

namespace ZorE {

namespace {
// Partitions on different threads may read it, so it is counted atomically.
std::atomic<std::uint64_t> g_watchedRenames{0};
}  // namespace

PartitionPin::PartitionPin() { NoteComponentConstructed(); }

PartitionPin::~PartitionPin() {
  Port_MsgManData::debugStub("%s", kPinGoneTrace);
  NoteComponentDestroyed();
}

CitI::IInterface* PartitionPin::Lookup(const Port::XUID& iid) {
  using P = PartitionPin;
  static const TLookupEntry<P> table[] = {
      {ZavU::IPartitionPin::kIID, Embedded<P, &P::m_iPartitionPin>},
      {ZavU::IPPXPartition::kIID, Embedded<P, &P::m_iPPXPartition>},
      {CommonI::IRefCount::kIID, Embedded<P, &P::m_refCount>},
      {Prjrep::IPersist::kIID, Embedded<P, &P::m_iPersist>},
      {CitI::IInterface::kIID, Embedded<P, &P::m_iPersist>},
  };
  return LookupInTable(table, *this, iid);
}

// The accessors of Bel and Site report every use: the locations are no
// longer part of the description, and a caller reaching them is suspect.
// The setters answer 0 although they store: callers must not read it as a
// failure.
CitI::Status PartitionPin::SetPartitionPinBel(const Port::StringBase& bel) {
  ZORE_MSG().issueInternal("%s", kPinSetBelCalled);
  SetSeldom(&Seldom::bel, bel);
  return 0;
}
Port::StringBase PartitionPin::GetPartitionPinBel() {
  ZORE_MSG().issueInternal("%s", kPinGetBelCalled);
  return Bel();
}
CitI::Status PartitionPin::SetPartitionPinSite(const Port::StringBase& site) {
  ZORE_MSG().issueInternal("%s", kPinSetSiteCalled);
  SetSeldom(&Seldom::site, site);
  return 0;
}
Port::StringBase PartitionPin::GetPartitionPinSite() {
  ZORE_MSG().issueInternal("%s", kPinGetSiteCalled);
  return Site();
}
CitI::Status PartitionPin::ClearPartitionPinBelAndSite() {
  SetSeldom(&Seldom::bel, kNoLocation);
  SetSeldom(&Seldom::site, kNoLocation);
  return 0;
}

template <class Value>
void PartitionPin::StoreSeldom(Value Seldom::*which, const Value& value) {
  if (!m_seldom) m_seldom = std::make_unique<Seldom>();
  (*m_seldom).*which = value;
  if (IsUnset(m_seldom->bel) && IsUnset(m_seldom->site) && IsUnset(m_seldom->xuid)) {
    m_seldom.reset();
  }
}
template void PartitionPin::StoreSeldom(Port::StringBase Seldom::*, const Port::StringBase&);
template void PartitionPin::StoreSeldom(Port::XuidWords Seldom::*, const Port::XuidWords&);

CitI::Status PartitionPin::SetName(const Port::StringBase& name) {
  // Only a watched pin's rename is counted, so only its old name is compared.
  if (m_nameWatched && m_name != name) NoteRename();
  m_name = name;
  return 1;
}

void PartitionPin::NoteNameChangedFrom(const Port::StringBase& before) {
  if (m_nameWatched && before != m_name) NoteRename();
}

void PartitionPin::NoteRename() { g_watchedRenames.fetch_add(1, std::memory_order_relaxed); }

std::uint64_t PartitionPin::NameGeneration() {
  return g_watchedRenames.load(std::memory_order_relaxed);
}

PartitionPin* PartitionPin::FromInterface(ZavU::IPartitionPin* pin) {
  if (!pin) return nullptr;
  // The pin's interface object is final, so an object of exactly its type is
  // one; this library's own type record is the one its objects carry, so the
  // records are compared by address, not by name. Anything else (another
  // implementation, a copy of the record in another library) takes the full
  // run-time check.
  if (&typeid(*pin) == &typeid(PartitionPin_IPartitionPin)) {
    return &static_cast<PartitionPin_IPartitionPin*>(pin)->owner();
  }
  auto* own = dynamic_cast<PartitionPin_IPartitionPin*>(pin);
  return own ? &own->owner() : nullptr;
}

PartitionPin* PartitionPin::FromCreated(CitI::IInterface* object) {
  // As above; a pin answers IInterface with its record interface object.
  if (object && &typeid(*object) == &typeid(PartitionPin_IPersist)) {
    return &static_cast<PartitionPin_IPersist*>(object)->owner();
  }
  return nullptr;
}
CitI::Status PartitionPin::NoOperation() { return 1; }

CitI::Status PartitionPin::Dump() {
  ZORE_MSG().issueStatus(kPinDumpLine, m_name.c_str());
  return 1;
}

// ---- IPartitionPin ----
CitI::Status PartitionPin_IPartitionPin::SetName(const Port::StringBase& name) {
  return owner().SetName(name);
}
Port::StringBase PartitionPin_IPartitionPin::GetName() { return owner().GetName(); }
CitI::Status PartitionPin_IPartitionPin::Dump() { return owner().Dump(); }
CitI::Status PartitionPin_IPartitionPin::SetPartitionPinBel(const Port::StringBase& bel) {
  return owner().SetPartitionPinBel(bel);
}
Port::StringBase PartitionPin_IPartitionPin::GetPartitionPinBel() {
  return owner().GetPartitionPinBel();
}
CitI::Status PartitionPin_IPartitionPin::SetPartitionPinSite(const Port::StringBase& site) {
  return owner().SetPartitionPinSite(site);
}
Port::StringBase PartitionPin_IPartitionPin::GetPartitionPinSite() {
  return owner().GetPartitionPinSite();
}
CitI::Status PartitionPin_IPartitionPin::ClearPartitionPinBelAndSite() {
  return owner().ClearPartitionPinBelAndSite();
}
CitI::Status PartitionPin_IPartitionPin::GetVersion(std::uint32_t* version,
                                                    std::uint32_t* revision) {
  if (version) *version = PartitionPin::kVersion;
  if (revision) *revision = PartitionPin::kRevision;
  return 1;
}

// ---- IPPXPartition ----
CitI::Status PartitionPin_IPPXPartition::ReadXmlAttributes(
    const XERCES_CPP_NAMESPACE::DOMElement* pin, std::uint32_t checkFlag,
    std::uint32_t formatVersion) {
  return owner().ReadXmlAttributes(pin, checkFlag, formatVersion);
}
CitI::Status PartitionPin_IPPXPartition::NoOperation() { return owner().NoOperation(); }

// ---- IPersist ----
CitI::Status PartitionPin_IPersist::PersistLoad(Prjrep::IPersistStream* stream) {
  return owner().PersistLoad(stream);
}
CitI::Status PartitionPin_IPersist::PersistSave(Prjrep::IPersistStream* stream) {
  return owner().PersistSave(stream);
}
CitI::Status PartitionPin_IPersist::GetClassXUID(Port::XUID& out) {
  out = PartitionPin::ClassXuid();
  return 1;
}
CitI::Status PartitionPin_IPersist::GetXUID(Port::XUID& out) {
  out = Port::XUID(owner().Identity());
  return 1;
}
CitI::Status PartitionPin_IPersist::SetXUID(const Port::XUID& xuid) {
  owner().SetSeldom(&PartitionPin::Seldom::xuid, xuid.Words());
  return 1;
}

}  // namespace ZorE
