// The shared interface lookup and nested-object template, as the library's
// components name them, and the template of the objects a component hands
// out as an interface directly, which no lookup finds (a partition's string
// lists and their items).
#pragma once

#include "CitI/TNested.h"

namespace ZorE {
using CitI::Embedded;
using CitI::LookupInTable;
using CitI::TLookupEntry;
using CitI::TNested;

/// An object handed out as `Interface` directly, allocated on its own but
/// belonging to `Owner`: every lookup, its own identity included, is the
/// owner's. A host never reaches such an object by asking for it, so no
/// lookup answers its identity; asked for it, the object answers what its
/// owner answers (null for a partition).
template <class Owner, class Interface>
class TForwarded : public Interface {
 public:
  explicit TForwarded(Owner* owner) : m_owner(owner) {}
  TForwarded(const TForwarded&) = delete;
  TForwarded& operator=(const TForwarded&) = delete;

  CitI::IInterface* QueryInterface(const Port::XUID& iid) override { return m_owner->Lookup(iid); }

  /// The component this object belongs to.
  Owner& owner() const { return *m_owner; }

 private:
  Owner* m_owner;
};

}  // namespace ZorE
