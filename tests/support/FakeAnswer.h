// Interface lookup of a test's fake object: the one interface it stands for,
// the root interface and the reference-count interfaces it implements.
//
//   CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
//     return ZoreTest::AnswerAs<Dpm::IPRModule>(this, iid);
//   }
#pragma once

#include <type_traits>

#include "CommonI/IRefCount.h"
#include "Prjrep/IRefCount.h"

namespace ZoreTest {

template <class I, class Self>
CitI::IInterface* AnswerAs(Self* self, const Port::XUID& iid) {
  if (iid == I::kIID || iid == CitI::IInterface::kIID) return static_cast<I*>(self);
  if (iid == CommonI::IRefCount::kIID) return static_cast<CommonI::IRefCount*>(self);
  if constexpr (std::is_base_of_v<Prjrep::IRefCount, Self>) {
    if (iid == Prjrep::IRefCount::kIID) return static_cast<Prjrep::IRefCount*>(self);
  }
  return nullptr;
}

}  // namespace ZoreTest
