// Interface lookup, shared by the component library and the host's objects.
//
// An object's lookup is an ordered table of {identity, answer}, walked by
// LookupInTable; the first match wins. An answer is an embedded object
// (Embedded) or a base class the object implements itself (AsBase):
//
//   CitI::IInterface* Partition::Lookup(const Port::XUID& iid) {
//     static const CitI::TLookupEntry<Partition> table[] = {
//         {ZavU::IPartition::kIID, CitI::Embedded<Partition, &Partition::m_iPartition>},
//         ...};
//     return CitI::LookupInTable(table, *this, iid);
//   }
//
// The nested-object pattern: a component implements an interface as a small
// object embedded in it (TNested), holding a pointer back to its owner. The
// nested object answers its own interface and hands every other identity to
// the owner's lookup, so every interface of a component leads to every other
// and all references count on the owner's one counter. An object that
// implements its interfaces as bases (TImplements) answers from its own table
// through each of them.
#pragma once

#include <cstddef>
#include <type_traits>

#include "CitI/IInterface.h"

namespace CitI {

template <class Owner>
struct TLookupEntry {
  Port::XuidWords iid;
  IInterface* (*object)(Owner&);
};

/// The embedded object `Member` of an owner, as a lookup answer; `As` picks
/// the interface when the member implements several.
template <class Owner, auto Member, class As = void>
IInterface* Embedded(Owner& owner) {
  if constexpr (std::is_void_v<As>) {
    return &(owner.*Member);
  } else {
    return static_cast<As*>(&(owner.*Member));
  }
}

/// The owner itself seen as its base interface `Base`, as a lookup answer.
template <class Owner, class Base>
IInterface* AsBase(Owner& owner) {
  return static_cast<Base*>(&owner);
}

/// The answer of the first entry of `table` whose identity is `iid`, or null.
/// Adds no reference.
template <class Owner, std::size_t N>
IInterface* LookupInTable(const TLookupEntry<Owner> (&table)[N], Owner& owner,
                          const Port::XUID& iid) {
  for (const TLookupEntry<Owner>& entry : table) {
    if (iid == entry.iid) return entry.object(owner);
  }
  return nullptr;
}

/// An interface implemented by an object embedded in `Owner`.
template <class Owner, class Interface>
class TNested : public Interface {
 public:
  explicit TNested(Owner* owner) : m_owner(owner) {}
  TNested(const TNested&) = delete;
  TNested& operator=(const TNested&) = delete;

  /// Its own interface itself; any other identity from the owner's lookup.
  IInterface* QueryInterface(const Port::XUID& iid) override {
    if (iid == Interface::kIID) return this;
    return m_owner->Lookup(iid);
  }

  /// The component this object belongs to.
  Owner& owner() const { return *m_owner; }

 private:
  Owner* m_owner;
};

/// The interfaces `Interfaces` implemented by `Self` as its bases: lookup on
/// any of them is Self's own table lookup (`Self::Lookup`).
template <class Self, class... Interfaces>
class TImplements : public Interfaces... {
 public:
  IInterface* QueryInterface(const Port::XUID& iid) override {
    return static_cast<Self*>(this)->Lookup(iid);
  }
};

}  // namespace CitI
