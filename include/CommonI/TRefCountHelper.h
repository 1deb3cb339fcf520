// The one reference counter of a component, a factory or a host object. It
// is embedded in its owner; every reference taken through any interface of
// the owner counts here, and the last Release destroys the owner. Lookup on
// the counter is the owner's lookup (`Owner::Lookup`).
//
// A counter may answer further counting interfaces with the same
// operations: an object of the project services counts references taken
// through Prjrep::IRefCount and CommonI::IRefCount alike:
//
//   CommonI::TRefCountHelper<PRModule, Prjrep::IRefCount> m_refCount{this};
//
// An object lent for the length of a call (a stream on its maker's stack)
// counts references but is freed by its maker, never by a Release:
//
//   CommonI::TRefCountHelper<MemoryStream> m_refCount{this, CommonI::kOwnerFrees};
#pragma once

#include "CommonI/IRefCount.h"
#include "Port/SafeCount.h"

namespace CommonI {

/// What the last Release does with the owner.
enum LastRelease { kDeleteOwner, kOwnerFrees };

template <class Owner, class... AlsoAnswers>
class TRefCountHelper final : public IRefCount, public AlsoAnswers... {
 public:
  explicit TRefCountHelper(Owner* owner, LastRelease rule = kDeleteOwner)
      : m_owner(owner), m_rule(rule) {}
  TRefCountHelper(const TRefCountHelper&) = delete;
  TRefCountHelper& operator=(const TRefCountHelper&) = delete;

  CitI::IInterface* QueryInterface(const Port::XUID& iid) override { return m_owner->Lookup(iid); }
  // One operation answers the same slot of every counting interface.
  CitI::Status AddRef() override {
    Port::SafeIncr(m_count);
    return 1;
  }
  CitI::Status Release() override {
    if (Port::SafeDecr(m_count) == 0 && m_rule == kDeleteOwner) {
      // Stabilise the count first: a destructor that takes and drops a
      // reference on its own object must not free it a second time.
      m_count = 1;
      delete m_owner;  // this counter lives inside the owner: touch nothing after
    }
    return 1;
  }
  CitI::Status GetRefCount(int& out) override {
    out = m_count;
    return 1;
  }

 private:
  int m_count = 1;
  Owner* m_owner;
  LastRelease m_rule;
};

}  // namespace CommonI
