// The factory of one component class, registered under the class's identity
// (`T::ClassXuid()`). It makes objects of that class only, each holding the
// caller's one reference. The component library registers one per component
// from its entry point; the host registers one per service class.
#pragma once

#include "CitI/TNested.h"
#include "CommonI/TRefCountHelper.h"

namespace CitP {

template <class T>
class TFactory final : public CitI::TImplements<TFactory<T>, CitI::IFactory> {
 public:
  TFactory() = default;

  CitI::IInterface* Lookup(const Port::XUID& iid) {
    static const CitI::TLookupEntry<TFactory> table[] = {
        {CitI::IFactory::kIID, CitI::AsBase<TFactory, CitI::IFactory>},
        {CommonI::IRefCount::kIID, CitI::Embedded<TFactory, &TFactory::m_refCount>},
        {CitI::IInterface::kIID, CitI::AsBase<TFactory, CitI::IFactory>},
    };
    return CitI::LookupInTable(table, *this, iid);
  }

  /// A new object holding the caller's one reference (the count its
  /// constructor set), seen through its IInterface; null for another class.
  CitI::IInterface* CreateInstance(const Port::XUID& classXuid) override {
    if (classXuid != T::ClassXuid()) return nullptr;
    T* object = new T();
    return object->Lookup(Port::XUID(CitI::IInterface::kIID));
  }

 private:
  friend class CommonI::TRefCountHelper<TFactory>;
  ~TFactory() = default;

  CommonI::TRefCountHelper<TFactory> m_refCount{this};
};

}  // namespace CitP
