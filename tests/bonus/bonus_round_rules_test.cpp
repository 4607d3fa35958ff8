// The bonus round's rules on their own: which rounds open, the stages each game goes through,
// and what a round pays.

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "bonus/bonus_rules.h"

namespace tarvolenka {
namespace {

using Stage = BonusStageId;

TEST(BonusRules, OpensOnThreeBonusSymbolsOrMoreWithTheLastRoundForgotten) {
  BonusRules rules;
  rules.Restore(Stage::Result, {.symbolCount = 5, .choice = 2, .multiplier = 4, .amount = 9});
  for (int symbols : {0, 2, 3, 5}) {
    const bool opens = rules.Open(symbols);
    EXPECT_EQ(opens, symbols >= 3) << symbols;
    EXPECT_EQ(rules.stage(), opens ? Stage::BeforeChooser : Stage::Paid) << symbols;
    EXPECT_EQ(rules.round(), BonusRound{.symbolCount = symbols}) << symbols;
  }
}

// A round played from the chooser: the game chosen and the golden pick's fouls, and the stages
// the round then goes through.
struct Path {
  const char* name;
  std::uint8_t game;
  std::uint8_t fouls;
  std::vector<Stage> stages;
};

class BonusRulesPaths : public ::testing::TestWithParam<Path> {};

TEST_P(BonusRulesPaths, EachGameGoesThroughItsOwnStages) {
  const Path& path = GetParam();
  BonusRules rules;
  ASSERT_TRUE(rules.Open(3));
  std::vector<Stage> stages{rules.Next()};
  rules.Chose(path.game);
  while (rules.stage() != Stage::Paid) {
    if (rules.stage() == Stage::GoldenPick) rules.FoulsAllowed(path.fouls);
    stages.push_back(rules.Next());
  }
  EXPECT_EQ(stages, path.stages);
}

INSTANTIATE_TEST_SUITE_P(
    , BonusRulesPaths,
    ::testing::Values(
        Path{"drinks",
             kDrinksGame,
             0,
             {Stage::Chooser, Stage::Bottles, Stage::Cups, Stage::Result, Stage::Paid}},
        Path{"meze", kMezeGame, 0, {Stage::Chooser, Stage::Meze, Stage::Result, Stage::Paid}},
        Path{"golden",
             kGoldenGame,
             3,
             {Stage::Chooser, Stage::GoldenPick, Stage::GoldenBoard, Stage::Result, Stage::Paid}},
        // Without fouls allowed the board could never end: the round goes to its result.
        Path{"goldenWithoutFouls",
             kGoldenGame,
             0,
             {Stage::Chooser, Stage::GoldenPick, Stage::Result, Stage::Paid}},
        Path{"noGameChosen", kNoBonusGame, 0, {Stage::Chooser, Stage::Paid}}),
    [](const ::testing::TestParamInfo<Path>& row) { return std::string(row.param.name); });

TEST(BonusRules, TheChosenGameStartsFromNothingWhateverTheRoundHeld) {
  struct Row {
    std::uint8_t game;
    std::int32_t multiplier;
  };
  for (const Row row : {Row{kDrinksGame, 0}, Row{kMezeGame, 1}, Row{kGoldenGame, 1}}) {
    BonusRules rules;
    const BonusRound stale{
        .symbolCount = 4, .multiplier = 5, .amount = 70, .bottleChoice = 2, .goldenPick = 3};
    rules.Restore(Stage::Chooser, stale);
    rules.Chose(row.game);
    rules.Next();
    const BonusRound& round = rules.round();
    EXPECT_EQ(round.symbolCount, 4);
    EXPECT_EQ(round.multiplier, row.multiplier) << int{row.game};
    EXPECT_EQ(round.amount, 0) << int{row.game};
    if (row.game == kDrinksGame) {
      EXPECT_EQ(round.bottleChoice, 0);
    }
    if (row.game == kGoldenGame) {
      EXPECT_EQ(round.goldenPick, 0);
    }
  }
}

TEST(BonusRules, PaysStakePerLineTimesMultiplierTimesResultAndKeepsTheCreditedAmount) {
  BonusRules rules;
  rules.Restore(Stage::Result, {.symbolCount = 3, .choice = kDrinksGame, .multiplier = 3});
  rules.CupsWon(150);
  EXPECT_EQ(rules.Win(5), 2250);
  EXPECT_EQ(rules.Pay(5), 2250);
  EXPECT_EQ(rules.round().amount, 2250);
  EXPECT_EQ(rules.stage(), Stage::Paid);

  // The golden board's top prize at the highest stake per line is paid in full, and a sum
  // beyond 64 bits stops at the largest one rather than wrapping to a loss.
  rules.Restore(Stage::Result, {.choice = kGoldenGame, .multiplier = 1});
  rules.BoardPrize(100000);
  EXPECT_EQ(rules.Win(100000), 10000000000);
  rules.BoardPrize(std::numeric_limits<std::int64_t>::max() / 2);
  EXPECT_EQ(rules.Win(4), std::numeric_limits<std::int64_t>::max());
}

}  // namespace
}  // namespace tarvolenka
