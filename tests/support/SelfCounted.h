// The reference count of a test's own component: born holding one reference
// for its creator, deleted when the last one is released.
#pragma once

#include "CommonI/IRefCount.h"
#include "Port/SafeCount.h"

namespace ZoreTest {

class SelfCounted : public CommonI::IRefCount {
 public:
  CitI::Status AddRef() override {
    Port::SafeIncr(m_refs);
    return 1;
  }
  CitI::Status Release() override {
    if (Port::SafeDecr(m_refs) == 0) delete this;
    return 1;
  }
  CitI::Status GetRefCount(int& count) override {
    count = m_refs;
    return 1;
  }

 private:
  int m_refs = 1;
};

}  // namespace ZoreTest
