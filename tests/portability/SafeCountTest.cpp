// The atomic counters: two threads counting up and down lose nothing, and
// exactly one decrement sees zero, which is what Release relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

#include "Port/SafeCount.h"

namespace {

constexpr int kPerThread = 200000;

TEST(SafeCountTest, TwoThreadsCountWithoutLosingUpdates) {
  int count = 0;
  std::vector<int> seen[2];
  auto up = [&count](std::vector<int>* out) {
    for (int i = 0; i < kPerThread; ++i) out->push_back(Port::SafeIncr(count));
  };
  std::thread a(up, &seen[0]), b(up, &seen[1]);
  a.join();
  b.join();
  EXPECT_EQ(count, 2 * kPerThread);
  std::vector<int> hits(2 * kPerThread + 1, 0);
  for (const auto& values : seen) {
    for (int value : values) ++hits.at(value);
  }
  EXPECT_EQ(std::count(hits.begin() + 1, hits.end(), 1), 2 * kPerThread) << "each value once";

  int zeros[2] = {0, 0};
  auto down = [&count](int* reachedZero) {
    for (int i = 0; i < kPerThread; ++i) *reachedZero += Port::SafeDecr(count) == 0;
  };
  std::thread c(down, &zeros[0]), d(down, &zeros[1]);
  c.join();
  d.join();
  EXPECT_EQ(count, 0);
  EXPECT_EQ(zeros[0] + zeros[1], 1);
}

}  // namespace
