// What every object of the host's services stands on (the design project
// and its services, the Tcl helper objects, the partition helper): the
// shared counter, answering CommonI::IRefCount and Prjrep::IRefCount on one
// count (the library drops project objects through the latter), the shared
// table lookup, a count of live objects that tests read to prove nothing
// leaked, and the registration of a service class.
//
//   class PRModule final : public TServiceObject<Dpm::IPRModule> { ... };
//
// A service object starts with its creator's reference and is destroyed by
// the last Release; its destructor stays private.
#pragma once

#include "CitI/TNested.h"
#include "CitP/Factory.h"
#include "CitP/TFactory.h"
#include "CommonI/TRefCountHelper.h"
#include "Port/HostApi.h"
#include "Prjrep/IRefCount.h"

namespace HostModel {

/// Registers a factory of T under T's class (`T::ClassXuid()`); the registry
/// keeps the factory alive with its own reference. True when the class is
/// known afterwards.
template <class T>
bool RegisterClass() {
  CommonI::RefCountPtr<CitI::IFactory> factory =
      CommonI::RefCountPtr<CitI::IFactory>::Adopt(new CitP::TFactory<T>());
  CitP::Factory::RegisterFactory(T::ClassXuid(), factory.get());
  return CitP::Factory::IsRegistered(T::ClassXuid());
}

/// Service objects alive now (factories not counted).
HOST_API int LiveObjects();

/// Shows its object in LiveObjects while it lives.
class HOST_API LiveObject {
 public:
  LiveObject();
  ~LiveObject();
  LiveObject(const LiveObject&) = delete;
  LiveObject& operator=(const LiveObject&) = delete;
};

/// A project-service object implementing `Interfaces` itself; the first of
/// them also answers the root identity.
template <class First, class... More>
class TServiceObject : public CitI::TImplements<TServiceObject<First, More...>, First, More...> {
 public:
  CitI::IInterface* Lookup(const Port::XUID& iid) {
    using S = TServiceObject;
    static const CitI::TLookupEntry<S> table[] = {
        {First::kIID, CitI::AsBase<S, First>},
        {More::kIID, CitI::AsBase<S, More>}...,
        {CommonI::IRefCount::kIID, CitI::Embedded<S, &S::m_refCount, CommonI::IRefCount>},
        {Prjrep::IRefCount::kIID, CitI::Embedded<S, &S::m_refCount, Prjrep::IRefCount>},
        {CitI::IInterface::kIID, CitI::AsBase<S, First>},
    };
    return CitI::LookupInTable(table, *this, iid);
  }

 protected:
  TServiceObject() = default;
  ~TServiceObject() override = default;

 private:
  using Counter = CommonI::TRefCountHelper<TServiceObject, Prjrep::IRefCount>;
  friend Counter;

  LiveObject m_live;
  Counter m_refCount{this};
};

}  // namespace HostModel
