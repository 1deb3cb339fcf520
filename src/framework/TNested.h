// The nested-object pattern: a component implements each interface as a
// small object embedded in it, holding a pointer back to its owner. Interface
// lookup on any nested object is the owner's lookup, so every interface of a
// component leads to every other, and all references count on the owner's
// one counter.
//
// The owner's lookup is an ordered table of {identity, embedded object},
// walked by LookupInTable; the first match wins:
//
//   static const TLookupEntry<Partition> table[] = {
//       {ZavU::IPartition::kIID, Embedded<Partition, &Partition::m_iPartition>},
//       ...};
//   return LookupInTable(table, *this, iid);
#pragma once

#include <cstddef>

#include "CitI/IInterface.h"

namespace ZorE {

template <class Owner, class Interface>
class TNested : public Interface {
 public:
  explicit TNested(Owner* owner) : m_owner(owner) {}
  TNested(const TNested&) = delete;
  TNested& operator=(const TNested&) = delete;

  CitI::IInterface* QueryInterface(const Port::XUID& iid) override { return m_owner->Lookup(iid); }

  /// The component this object belongs to.
  Owner& owner() const { return *m_owner; }

 private:
  Owner* m_owner;
};

template <class Owner>
struct TLookupEntry {
  Port::XuidWords iid;
  CitI::IInterface* (*object)(Owner&);
};

/// The embedded object `Member` of an owner, as a lookup answer.
template <class Owner, auto Member>
CitI::IInterface* Embedded(Owner& owner) {
  return &(owner.*Member);
}

template <class Owner, std::size_t N>
CitI::IInterface* LookupInTable(const TLookupEntry<Owner> (&table)[N], Owner& owner,
                                const Port::XUID& iid) {
  for (const TLookupEntry<Owner>& entry : table) {
    if (iid == entry.iid) return entry.object(owner);
  }
  return nullptr;
}

}  // namespace ZorE
