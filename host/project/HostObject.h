// What every object of the host's project services stands on: the shared
// counter, answering CommonI::IRefCount and Prjrep::IRefCount on one count
// (the library drops project objects through the latter), the shared table
// lookup, and a count of live objects that tests read to prove nothing
// leaked.
//
//   class PRModule final : public TServiceObject<Dpm::IPRModule> { ... };
//
// A service object starts with its creator's reference and is destroyed by
// the last Release; its destructor stays private.
#pragma once

#include "CitI/TNested.h"
#include "CommonI/TRefCountHelper.h"
#include "Prjrep/IRefCount.h"

namespace HostProject {

/// Objects of the project services alive now (factories not counted).
int LiveObjects();

/// Shows its object in LiveObjects while it lives.
class LiveObject {
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

}  // namespace HostProject
