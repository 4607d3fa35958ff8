#include "tools/sim/rules_player.h"

#include <gtest/gtest.h>

namespace tarvolenka::sim {
namespace {

struct Row {
  WindowId window;
  int shownAtOpening;  // what the player draws among as the window opens
};

class ClickablePicturesOf : public ::testing::TestWithParam<Row> {};

// The player's draw k stands for a click on the k-th shown picture that takes clicks, which the
// window reads as cover, cup, cell or vegetable k + 1; only the meze's upper rows start hidden.
TEST_P(ClickablePicturesOf, AreThoseThePlayerDrawsAmongInTheirOrder) {
  const Row& row = GetParam();
  int all = 0;
  for (const ElementSpec& e : SpecOf(row.window).elements) {
    if (e.kind != Kind::Picture || e.click == kNoClick) continue;
    ++all;
    if (row.window != WindowId::BonusResult) {
      EXPECT_EQ(e.number, all) << e.name;
    }
    EXPECT_EQ((e.flags & kHidden) != 0, all > row.shownAtOpening) << e.name;
  }
  EXPECT_GE(all, row.shownAtOpening);
}

INSTANTIATE_TEST_SUITE_P(BonusWindows, ClickablePicturesOf,
                         ::testing::Values(Row{WindowId::HatChooser, RulesPlayer::kHats},
                                           Row{WindowId::Bottles, RulesPlayer::kBottleClicks},
                                           Row{WindowId::Cups, RulesPlayer::kCupClicks},
                                           Row{WindowId::Meze, RulesPlayer::kVegetablesPerRow},
                                           Row{WindowId::GoldenPick, RulesPlayer::kCoverClicks},
                                           Row{WindowId::GoldenBoard, RulesPlayer::kCellClicks},
                                           Row{WindowId::BonusResult, RulesPlayer::kResultClicks}),
                         [](const ::testing::TestParamInfo<Row>& row) {
                           return std::string(SpecOf(row.param.window).className);
                         });

TEST(RulesPlayer, ARoundThatDoesNotOpenDrawsNothing) {
  Stream stream(5), untouched(5);
  Random rng;
  rng.Seed(1234);
  RulesPlayer player(stream, rng, DoubleStrategy{});
  BonusRules bonus;
  EXPECT_EQ(player.PlayBonus(bonus, 2, 10), 0);
  EXPECT_EQ(rng.seed(), 1234u);
  EXPECT_EQ(stream.Next(), untouched.Next());
}

// The drinks pay the stake × the bottle's multiplier × a cup level, which scales with the
// symbols.
TEST(RulesPlayer, ARoundPaysItsGamesResultAtTheStake) {
  Stream stream(8);
  Random rng;
  RulesPlayer player(stream, rng, DoubleStrategy{});
  BonusRules bonus;
  for (int i = 0; i < 3000; ++i) {
    const std::int64_t paid = player.PlayBonus(bonus, 3 + i % 3, 7);
    const BonusRound& round = bonus.round();
    ASSERT_TRUE(round.choice >= kDrinksGame && round.choice <= kGoldenGame);
    EXPECT_EQ(paid, round.amount);
    if (round.choice == kDrinksGame) {
      EXPECT_EQ(paid % (7 * round.multiplier * (3 + i % 3)), 0);
    }
  }
}

// Collecting at rung 1 ends with the win lost or doubled; always guessing beer ends with it lost
// or paid 300 times at the top; never gambling hands it back.
TEST(RulesPlayer, GamblesUpToTheRungItsStrategyStopsAt) {
  using Kind = DoubleStrategy::Kind;
  Stream stream(3);
  Random rng;
  EXPECT_EQ(RulesPlayer(stream, rng, DoubleStrategy{Kind::Never, 0}).Gamble(40), 40);
  RulesPlayer firstRung(stream, rng, DoubleStrategy{Kind::CollectAt, 1});
  RulesPlayer top(stream, rng, DoubleStrategy{Kind::AlwaysBeer, 0});
  int doubled = 0, topped = 0;
  for (int i = 0; i < 2000; ++i) {
    const std::int64_t first = firstRung.Gamble(40);
    const std::int64_t all = top.Gamble(40);
    EXPECT_TRUE(first == 0 || first == 80) << first;
    EXPECT_TRUE(all == 0 || all == 40 * 300) << all;
    doubled += first > 0 ? 1 : 0;
    topped += all > 0 ? 1 : 0;
  }
  EXPECT_NEAR(doubled, 1000, 150);
  EXPECT_GT(topped, 0);
}

}  // namespace
}  // namespace tarvolenka::sim
