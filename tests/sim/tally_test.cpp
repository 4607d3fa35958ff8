// The intervals the reports print beside each simulated figure.

#include "tools/sim/tally.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvolenka::sim {
namespace {

TEST(Proportion, AnEventNotYetSeenStillHasRoomAboveZero) {
  const Estimate e = Proportion(0, 20000);
  EXPECT_EQ(e.value, 0);
  EXPECT_EQ(e.low, 0);
  // About z² / n: a chance of 1e-4 is still possible after 20 000 spins without it.
  EXPECT_GT(e.high, 3e-4);
  EXPECT_LT(e.high, 4e-4);
  EXPECT_TRUE(e.Contains(1e-4));
}

TEST(Proportion, AnEventSeenEveryTimeStillHasRoomBelowOne) {
  const Estimate e = Proportion(500, 500);
  EXPECT_EQ(e.value, 1);
  EXPECT_EQ(e.high, 1);
  EXPECT_LT(e.low, 0.99);
  EXPECT_GT(e.low, 0.98);
}

TEST(Proportion, LargeCountsGiveTheUsualNormalInterval) {
  const Estimate e = Proportion(300000, 1000000);
  EXPECT_DOUBLE_EQ(e.value, 0.3);
  const double half = 2.5758 * std::sqrt(0.3 * 0.7 / 1e6);
  EXPECT_NEAR(e.low, 0.3 - half, 1e-5);
  EXPECT_NEAR(e.high, 0.3 + half, 1e-5);
}

TEST(Proportion, CoversTheTrueChanceOfRareEventsNinetyNineTimesInAHundred) {
  // 2000 runs of 5000 trials at a chance of 1/2000: few events per run, where the plain normal
  // interval misses far more often than it says.
  std::uint64_t state = 12345;
  const double chance = 1.0 / 2000;
  int missed = 0;
  constexpr int kRuns = 2000;
  for (int run = 0; run < kRuns; ++run) {
    std::int64_t count = 0;
    for (int i = 0; i < 5000; ++i) {
      state = state * 6364136223846793005ull + 1442695040888963407ull;
      if (static_cast<double>(state >> 11) * 0x1.0p-53 < chance) ++count;
    }
    if (!Proportion(count, 5000).Contains(chance)) ++missed;
  }
  EXPECT_LT(missed, kRuns * 2 / 100);
}

}  // namespace
}  // namespace tarvolenka::sim
