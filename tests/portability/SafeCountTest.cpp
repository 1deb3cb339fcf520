// The atomic counters: two threads counting up and down lose nothing, and
// exactly one decrement sees zero, which is what Release relies on.
#include <gtest/gtest.h>

#include <thread>

#include "Port/SafeCount.h"

namespace {

TEST(SafeCountTest, TwoThreadsCountWithoutLosingUpdates) {
  constexpr int kPerThread = 200000;
  int count = 0;
  int zeros[2] = {0, 0};
  auto up = [&count] {
    for (int i = 0; i < kPerThread; ++i) Port::SafeIncr(count);
  };
  auto down = [&count](int* reachedZero) {
    for (int i = 0; i < kPerThread; ++i) *reachedZero += Port::SafeDecr(count) == 0;
  };
  std::thread a(up), b(up);
  a.join();
  b.join();
  EXPECT_EQ(count, 2 * kPerThread);
  std::thread c(down, &zeros[0]), d(down, &zeros[1]);
  c.join();
  d.join();
  EXPECT_EQ(count, 0);
  EXPECT_EQ(zeros[0] + zeros[1], 1) << "exactly one decrement saw zero";
}

}  // namespace
