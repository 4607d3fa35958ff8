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

// An auto-play run after its first game: the choices, what the game brought, and whether the
// run goes on.
struct AutoPlayRow {
  const char* name;
  AutoPlayChoices choices;
  int spins;         // paid spins of the run so far, each a game of its own
  std::int64_t win;  // the last spin's win
  bool bonusOpened;
  std::int64_t balance;
  bool goesOn;
};

class AutoPlayLimits : public ::testing::TestWithParam<AutoPlayRow> {};

TEST_P(AutoPlayLimits, EndTheRunWhenTheGameReachesOne) {
  const AutoPlayRow& row = GetParam();
  SpinCycle cycle;
  cycle.SetAutoPlayChoices(row.choices);
  ASSERT_TRUE(cycle.ToggleAutoPlay());
  bool on = true;
  for (int i = 0; i < row.spins && on; ++i) {
    cycle.CountAutoPlaySpin();
    const bool last = i + 1 == row.spins;
    cycle.NoteSpinEnd(last ? row.win : 0, last && row.bonusOpened);
    on = cycle.AutoPlayGoesOn(last ? row.balance : 1'000'000);
  }
  EXPECT_EQ(on, row.goesOn);
  EXPECT_EQ(cycle.autoPlay(), row.goesOn);
}

constexpr AutoPlayChoices kUntilStopped{};
constexpr AutoPlayChoices kTen{.spins = 10};
constexpr AutoPlayChoices kOnBonus{.stopOnBonus = true};
constexpr AutoPlayChoices kWinAbove500{.winAbove = 500};
constexpr AutoPlayChoices kBelow1000{.balanceBelow = 1000};

INSTANTIATE_TEST_SUITE_P(
    , AutoPlayLimits,
    ::testing::Values(AutoPlayRow{"UntilStoppedGoesOnThroughAnything", kUntilStopped, 200, 99999,
                                  true, 1, true},
                      AutoPlayRow{"NineOfTenGoOn", kTen, 9, 0, false, 5000, true},
                      AutoPlayRow{"TheTenthEndsIt", kTen, 10, 0, false, 5000, false},
                      AutoPlayRow{"ABonusEndsIt", kOnBonus, 3, 0, true, 5000, false},
                      AutoPlayRow{"NoBonusGoesOn", kOnBonus, 3, 0, false, 5000, true},
                      AutoPlayRow{"AWinOfTheLimitGoesOn", kWinAbove500, 2, 500, false, 5000, true},
                      AutoPlayRow{"AWinAboveItEndsIt", kWinAbove500, 2, 501, false, 5000, false},
                      AutoPlayRow{"ABalanceAtTheLimitGoesOn", kBelow1000, 4, 0, false, 1000, true},
                      AutoPlayRow{"ABalanceBelowItEndsIt", kBelow1000, 4, 0, false, 999, false}),
    [](const ::testing::TestParamInfo<AutoPlayRow>& row) { return std::string(row.param.name); });

TEST(AutoPlayRun, ACountedRunShowsItsSpinsLeftAndARunUntilStoppedNone) {
  SpinCycle cycle;
  cycle.SetAutoPlayChoices(kTen);
  cycle.ToggleAutoPlay();
  cycle.CountAutoPlaySpin();
  EXPECT_EQ(cycle.autoPlaySpinsLeft(), 9);
  cycle.ToggleAutoPlay();
  EXPECT_EQ(cycle.autoPlaySpinsLeft(), std::nullopt);
  cycle.SetAutoPlayChoices(kUntilStopped);
  cycle.ToggleAutoPlay();
  EXPECT_EQ(cycle.autoPlaySpinsLeft(), std::nullopt);
}

}  // namespace
}  // namespace tarvolenka
