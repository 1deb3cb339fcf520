// The factory of one component class, registered by the entry point under
// the class's identity. It makes components of that class only.
#pragma once

#include "CitI/IInterface.h"
#include "framework/TRefCountHelper.h"

namespace CitP {

template <class T>
class TFactory final : public CitI::IFactory {
 public:
  TFactory() : m_refCount(this) {}

  CitI::IInterface* QueryInterface(const Port::XUID& iid) override { return Lookup(iid); }

  CitI::IInterface* Lookup(const Port::XUID& iid) {
    if (iid == CitI::IInterface::kIID || iid == CitI::IFactory::kIID) return this;
    if (iid == CommonI::IRefCount::kIID) return &m_refCount;
    return nullptr;
  }

  /// A new component holding the caller's one reference (the count its
  /// constructor set), seen through its IInterface; null for another class.
  CitI::IInterface* CreateInstance(const Port::XUID& classXuid) override {
    if (classXuid != T::ClassXuid()) return nullptr;
    T* object = new T();
    return object->Lookup(Port::XUID(CitI::IInterface::kIID));
  }

 private:
  CommonI::TRefCountHelper<TFactory> m_refCount;
};

}  // namespace CitP
