#include "core/random.h"

#include <gtest/gtest.h>

namespace tarvolenka {
namespace {

TEST(RandomGenerator, FollowsTheFixedSequenceForAKnownSeed) {
  Random r;
  r.Seed(12345);
  const std::uint32_t expected[] = {28, 21, 5, 40, 46, 24};
  for (std::uint32_t e : expected) EXPECT_EQ(r.Below(73), e);
  EXPECT_EQ(r.seed(), 1467157059u);
}

TEST(RandomGenerator, StepsTheSeedBeforeTakingTheUpperBitsOfTheProduct) {
  Random r;
  r.Seed(0);
  EXPECT_EQ(r.Below(100), 0u);  // seed 1: 100 × 1 >> 32
  EXPECT_EQ(r.Below(0xFFFFFFFFu), 134775813u);
  EXPECT_EQ(r.Below(256), 220u);
  EXPECT_EQ(r.Below(73), 14u);
  EXPECT_EQ(r.seed(), 870078620u);
}

TEST(RandomGenerator, ClockSeedCountsMillisecondsSinceMidnight) {
  EXPECT_EQ(ClockSeed(0, 0, 0, 0), 0u);
  EXPECT_EQ(ClockSeed(1, 2, 3, 4), 3723004u);
  EXPECT_EQ(ClockSeed(23, 59, 59, 999), 86399999u);
}

}  // namespace
}  // namespace tarvolenka
