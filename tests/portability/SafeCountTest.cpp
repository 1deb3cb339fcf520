// The atomic counters: concurrent increments and decrements lose nothing,
// and each call returns a distinct new value.
#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <vector>

#include "Port/SafeCount.h"

namespace {

constexpr int kPerThread = 200000;

TEST(SafeCountTest, TwoThreadsCountWithoutLosingUpdates) {
  int count = 0;
  std::vector<int> seenUp[2];
  auto up = [&count](std::vector<int>& seen) {
    seen.reserve(kPerThread);
    for (int i = 0; i < kPerThread; ++i) seen.push_back(Port::SafeIncr(count));
  };
  std::thread a(up, std::ref(seenUp[0]));
  std::thread b(up, std::ref(seenUp[1]));
  a.join();
  b.join();
  EXPECT_EQ(count, 2 * kPerThread);

  // Every value 1..2N was returned exactly once across both threads.
  std::vector<int> hits(2 * kPerThread + 1, 0);
  for (const auto& seen : seenUp) {
    for (int value : seen) {
      ASSERT_GE(value, 1);
      ASSERT_LE(value, 2 * kPerThread);
      ++hits[value];
    }
  }
  int duplicates = 0;
  for (int value = 1; value <= 2 * kPerThread; ++value) duplicates += hits[value] != 1;
  EXPECT_EQ(duplicates, 0);

  auto down = [&count](int& reachedZero) {
    for (int i = 0; i < kPerThread; ++i) reachedZero += Port::SafeDecr(count) == 0;
  };
  int zerosA = 0;
  int zerosB = 0;
  std::thread c(down, std::ref(zerosA));
  std::thread d(down, std::ref(zerosB));
  c.join();
  d.join();
  EXPECT_EQ(count, 0);
  // Exactly one decrement saw the count reach zero: what Release relies on.
  EXPECT_EQ(zerosA + zerosB, 1);
}

}  // namespace
