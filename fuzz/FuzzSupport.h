// What every fuzz target shares: the library's factories registered once,
// messages silenced, and the check that an input left no component alive
// (a leaked or doubly released reference is a finding like a crash).
#pragma once

#include <cstdlib>

#include "Port/MsgMan.h"
#include "framework/LiveObjects.h"

extern "C" void InstFactoryEntry();

namespace ZoreFuzz {

class QuietSink : public Port_MsgSink {
 public:
  void Deliver(const Port_Message&) override {}
};

inline void SetUpOnce() {
  static const bool ready = [] {
    static QuietSink quiet;
    Port_MsgManData::SetSink(&quiet);
    InstFactoryEntry();
    return true;
  }();
  (void)ready;
}

inline void ExpectNoLiveComponents() {
  if (ZorE::LiveComponents() != 0) std::abort();
}

}  // namespace ZoreFuzz
