// The spin cycle's rules on their own: stakes, line pay, free spins and auto-play.

#include "core/spin_cycle.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace tarvolenka {
namespace {

GameState Staked(std::int64_t balance, std::int32_t lines, std::int32_t perLine) {
  GameState s;
  s.Balance = balance;
  s.LineCount = lines;
  s.LineStake = perLine;
  s.TotalStake = lines * perLine;
  return s;
}

// Every visible cell holds `symbol`, and the hidden row another one.
ReelWindow Filled(SymbolId symbol) {
  ReelWindow w;
  for (int reel = 1; reel <= kReels; ++reel) {
    w.at(0, reel) = 1;
    for (int row = 1; row < kRows; ++row) w.at(row, reel) = symbol;
  }
  return w;
}

struct StakeRow {
  const char* name;
  std::int64_t balance;
  bool taken;
  std::int64_t balanceAfter;
};

class PaidSpinStakes : public ::testing::TestWithParam<StakeRow> {};

TEST_P(PaidSpinStakes, TakeTheWholeStakeOrNothingAndClearTheLastLines) {
  const StakeRow& row = GetParam();
  SpinCycle cycle;
  cycle.FindLinesOf(Filled(2));
  GameState s = Staked(row.balance, 50, 2);
  s.Experience = 7;
  EXPECT_EQ(cycle.StakePaidSpin(s), row.taken);
  EXPECT_EQ(s.Balance, row.balanceAfter);
  EXPECT_EQ(s.Experience, row.taken ? 107 : 7);
  EXPECT_EQ(cycle.winningLines(), WinningLineFlags{});
}

INSTANTIATE_TEST_SUITE_P(, PaidSpinStakes,
                         ::testing::Values(StakeRow{"Plenty", 1000, true, 900},
                                           StakeRow{"Exact", 100, true, 0},
                                           StakeRow{"OneShort", 99, false, 99}),
                         [](const ::testing::TestParamInfo<StakeRow>& row) {
                           return std::string(row.param.name);
                         });

TEST(SpinCycle, AFreeSpinCostsNothingButCountsToExperience) {
  SpinCycle cycle;
  cycle.Restore(3, false);
  GameState s = Staked(0, 20, 5);
  cycle.TakeFreeSpin(s);
  EXPECT_EQ(cycle.freeSpins(), 2);
  EXPECT_EQ(s.Balance, 0);
  EXPECT_EQ(s.Experience, 100);
}

TEST(SpinCycle, PaysTheLinesAtTheStakePerLineAndSaturatesRatherThanWraps) {
  SpinCycle cycle;
  GameState s = Staked(10, 50, 3);
  WinningLineFlags lines{};
  const std::int64_t perUnit = EvaluateLines(Filled(2), lines);
  ASSERT_GT(perUnit, 0);
  EXPECT_EQ(cycle.PayLines(Filled(2), s), perUnit * 3);
  EXPECT_EQ(s.LastWin, perUnit * 3);
  EXPECT_EQ(s.Balance, 10 + perUnit * 3);
  EXPECT_EQ(cycle.winningLines(), lines);

  s.Balance = std::numeric_limits<std::int64_t>::max() - 1;
  cycle.PayLines(Filled(2), s);
  EXPECT_EQ(s.Balance, std::numeric_limits<std::int64_t>::max());
}

TEST(SpinCycle, ScattersAwardFreeSpinsOnTopOfThoseWaiting) {
  SpinCycle cycle;
  cycle.Restore(4, false);
  ReelWindow w = Filled(1);
  for (int reel = 1; reel <= 3; ++reel) w.at(2, reel) = kScatterSymbol;
  EXPECT_EQ(cycle.AwardFreeSpins(w), 10);
  EXPECT_EQ(cycle.freeSpins(), 14);
  EXPECT_EQ(cycle.AwardFreeSpins(Filled(1)), 0);
  EXPECT_EQ(cycle.freeSpins(), 14);
}

}  // namespace
}  // namespace tarvolenka
