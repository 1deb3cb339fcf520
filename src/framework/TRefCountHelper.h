// The one reference counter of a component or factory. It is embedded in
// its owner; every reference taken through any interface of the owner counts
// here, and the last Release destroys the owner.
#pragma once

#include "CommonI/IRefCount.h"
#include "Port/SafeCount.h"

namespace CommonI {

template <class T>
class TRefCountHelper final : public IRefCount {
 public:
  explicit TRefCountHelper(T* owner) : owner(owner) {}
  TRefCountHelper(const TRefCountHelper&) = delete;
  TRefCountHelper& operator=(const TRefCountHelper&) = delete;

  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    if (iid == IRefCount::kIID) return this;
    return owner ? owner->Lookup(iid) : nullptr;
  }
  CitI::Status AddRef() override {
    Port::SafeIncr(count);
    return 1;
  }
  CitI::Status Release() override {
    if (Port::SafeDecr(count) == 0 && owner) {
      // Stabilise the count first: a destructor that takes and drops a
      // reference on its own object must not free it a second time.
      count = 1;
      delete owner;  // this helper lives inside the owner: touch nothing after
    }
    return 1;
  }
  CitI::Status GetRefCount(int& out) override {
    out = count;
    return 1;
  }

  int count = 1;
  T* owner;
};

}  // namespace CommonI
