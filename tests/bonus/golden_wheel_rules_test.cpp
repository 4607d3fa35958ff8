// The golden board's and the mega wheel's rules on their own, from a known generator.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bonus/golden_board_rules.h"
#include "bonus/mega_wheel_rules.h"
#include "catalogue/durations.h"

namespace tarvolenka {
namespace {

// The first covered cell holding a coin, or a foul.
int CoveredCell(const GoldenBoardRules& rules, bool coin) {
  for (int cell = 1; cell <= kBoardCells; ++cell)
    if (rules.IsCovered(cell) && rules.IsCoin(cell) == coin) return cell;
  return 0;
}

struct BoardGame {
  const char* name;
  int allowedFouls;
  std::string picks;  // 'c' a coin, 'f' a foul, in order
  int rung;
  bool over;
};

const BoardGame kBoardGames[] = {
    {"TwoFoulsAllowedEndOnTheSecond", 2, "cfcf", 2, true},
    {"FourFoulsAllowedGoOnAfterTwo", 4, "ffc", 1, false},
    {"EveryCoinReachesTheTopRung", 4, "cccccccccc", 10, false},
    {"TheTopRungThenTheLastFoul", 3, "fcccccccccfcf", 10, true},
};

class BoardGames : public ::testing::TestWithParam<BoardGame> {};

TEST_P(BoardGames, ClimbOneRungPerCoinAndEndOnTheAllowedFouls) {
  const BoardGame& game = GetParam();
  Random rng;
  rng.Seed(99);
  GoldenBoardRules rules;
  rules.Deal(game.allowedFouls, rng);
  int fouls = 0;
  for (std::size_t k = 0; k < game.picks.size(); ++k) {
    const bool coin = game.picks[k] == 'c';
    const int cell = CoveredCell(rules, coin);
    ASSERT_NE(cell, 0);
    const auto picked = rules.Pick(cell);
    ASSERT_TRUE(picked);
    EXPECT_EQ(picked->coin, coin);
    fouls += coin ? 0 : 1;
    EXPECT_EQ(picked->over, k + 1 == game.picks.size() && game.over);
    EXPECT_FALSE(rules.Pick(cell));  // a cell uncovered stays uncovered
  }
  EXPECT_EQ(rules.rung(), game.rung);
  EXPECT_EQ(rules.prize(), kLadderTable[static_cast<std::size_t>(game.rung)].prize);
  EXPECT_EQ(rules.fouls(), fouls);
  EXPECT_EQ(rules.Over(), game.over);
}

INSTANTIATE_TEST_SUITE_P(GoldenBoardRules, BoardGames, ::testing::ValuesIn(kBoardGames),
                         [](const ::testing::TestParamInfo<BoardGame>& row) {
                           return std::string(row.param.name);
                         });

TEST(GoldenBoardRules, DealsSixFoulsAndOnceOverUncoversTheRestInOrder) {
  Random rng;
  rng.Seed(5);
  GoldenBoardRules rules;
  rules.Deal(2, rng);
  int fouls = 0;
  for (int cell = 1; cell <= kBoardCells; ++cell) fouls += rules.IsCoin(cell) ? 0 : 1;
  EXPECT_EQ(fouls, kBoardFouls);
  EXPECT_EQ(rules.UncoverNext(), 0);  // nothing is uncovered while the game goes on

  rules.Pick(CoveredCell(rules, false));
  rules.Pick(CoveredCell(rules, false));
  ASSERT_TRUE(rules.Over());
  EXPECT_FALSE(rules.Pick(CoveredCell(rules, true)));  // no pick once the game is over
  std::vector<int> uncovered;
  while (const int cell = rules.UncoverNext()) uncovered.push_back(cell);
  EXPECT_EQ(uncovered.size(), static_cast<std::size_t>(kBoardCells - 2));
  EXPECT_TRUE(std::is_sorted(uncovered.begin(), uncovered.end()));
}

TEST(GoldenBoardRules, ARestoredBoardGoesOnAsItStoodWithItsRungBounded) {
  Random rng;
  rng.Seed(11);
  GoldenBoardRules rules;
  rules.Deal(3, rng);
  rules.Pick(CoveredCell(rules, true));
  rules.Pick(CoveredCell(rules, false));
  GoldenBoardRules resumed;
  resumed.Restore(rules.Snapshot(), 3);
  EXPECT_EQ(resumed.Snapshot(), rules.Snapshot());
  EXPECT_EQ(resumed.rung(), 1);
  EXPECT_EQ(resumed.fouls(), 1);

  BonusWindowState damaged = rules.Snapshot();
  damaged.counts[1] = 200;  // past the top of the ladder
  resumed.Restore(damaged, 3);
  EXPECT_EQ(resumed.rung(), kBoardCoins);
}

TEST(MegaWheelRules, RunsTheDrawnStepsOffersTheStopOnceAndSlowsToRest) {
  for (std::uint32_t seed : {1u, 2u, 3u, 40u}) {
    Random rng;
    rng.Seed(seed);
    MegaWheelRules wheel;
    wheel.Deal(200, rng);
    const int first = wheel.light();
    wheel.Start(rng);
    const std::uint32_t steps = wheel.stepsLeft();
    EXPECT_GE(steps, 1005u);
    EXPECT_LE(steps, 1019u);
    int offers = 0;
    std::uint32_t taken = 0;
    for (MegaStep step{}; !step.rested; ++taken) {
      step = wheel.Step();
      offers += step.stopOffered ? 1 : 0;
      const std::uint32_t left = wheel.stepsLeft();
      const int pace = wheel.Pace();
      if (left > 15) {
        EXPECT_EQ(pace, durations::kMegaLightFast);
      } else if (left <= 5) {
        EXPECT_EQ(pace, durations::kMegaLightSlow3);
      }
    }
    EXPECT_EQ(taken, steps) << "seed " << seed;
    EXPECT_EQ(offers, 1);
    EXPECT_EQ(wheel.light(), (first - 1 + static_cast<int>(steps)) % kMegaCells + 1);
    EXPECT_EQ(wheel.Prize(wheel.light()),
              200 * kMegaFactors[static_cast<std::size_t>(wheel.light() - 1)]);
  }
}

TEST(MegaWheelRules, AStopLeavesFifteenToTwentyNineSteps) {
  Random rng;
  rng.Seed(3);
  MegaWheelRules wheel;
  wheel.Deal(1, rng);
  wheel.Start(rng);
  for (int k = 0; k < 10; ++k) wheel.Step();
  wheel.Stop(rng);
  EXPECT_GE(wheel.stepsLeft(), 15u);
  EXPECT_LE(wheel.stepsLeft(), 29u);
}

}  // namespace
}  // namespace tarvolenka
