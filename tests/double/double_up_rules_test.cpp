// The double-up's rules on their own: a gamble played move by move from a known generator.

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "double/double_up_rules.h"

namespace tarvolenka {
namespace {

enum Move { Right, Wrong, Joker };

struct Gamble {
  const char* name;
  std::int64_t win;
  std::vector<Move> moves;
  std::int64_t inHand;
  int rung;
  bool over;
};

constexpr std::int64_t kMoneyTop = std::numeric_limits<std::int64_t>::max();

const Gamble kGambles[] = {
    {"OneRightGuessDoubles", 5, {Right}, 10, 1, false},
    {"ThreeRightGuessesPayEightTimes", 5, {Right, Right, Right}, 40, 3, false},
    {"AWrongFirstGuessLosesTheWin", 5, {Wrong}, 0, 1, true},
    {"AWrongThirdGuessLosesWhatWasClimbed", 5, {Right, Right, Wrong}, 0, 3, true},
    {"TheTopRungPaysThreeHundredTimesAndEnds", 5, std::vector<Move>(7, Right), 1500, 7, true},
    {"TheJokerClimbsAsARightGuess", 5, {Joker}, 10, 1, false},
    {"JokersAndGuessesClimbTogether",
     2,
     {Joker, Right, Joker, Right, Right, Right, Joker},
     600,
     7,
     true},
    {"NothingMovesOnceTheGambleIsLost", 5, {Wrong, Right, Joker}, 0, 1, true},
    {"NothingMovesPastTheTopRung",
     1,
     {Right, Right, Right, Right, Right, Right, Right, Joker},
     300,
     7,
     true},
    {"AHugeWinStopsAtTheTopOfTheMoney", kMoneyTop / 3, {Right, Right}, kMoneyTop, 2, false},
};

class DoubleUpRulesTest : public ::testing::TestWithParam<Gamble> {};

TEST_P(DoubleUpRulesTest, PlaysTheLadderMoveByMove) {
  const Gamble& g = GetParam();
  Random rng;
  rng.Seed(20261209);
  DoubleUpRules rules;
  rules.Start(g.win);
  ASSERT_TRUE(rules.open());
  ASSERT_EQ(rules.inHand(), g.win);
  for (std::size_t i = 0; i < g.moves.size(); ++i) {
    const bool wasOpen = rules.open();
    const std::uint32_t before = rng.seed();
    Random next = rng;
    const Drink drawn = (next.Below(256) & 1u) != 0 ? kVodka : kBeer;
    const Drink other = drawn == kVodka ? kBeer : kVodka;
    const DoubleUpStep step = g.moves[i] == Joker
                                  ? rules.UseJoker(other)
                                  : rules.Guess(g.moves[i] == Right ? drawn : other, rng);
    // A guess draws exactly one value while the gamble is open; the joker and a closed gamble
    // draw none, so that every later draw of the game stays where it was.
    const bool draws = wasOpen && g.moves[i] != Joker;
    EXPECT_EQ(rng.seed(), draws ? next.seed() : before) << "move " << i;
    if (wasOpen) {
      EXPECT_EQ(step.won, g.moves[i] != Wrong) << "move " << i;
      EXPECT_EQ(step.shown, g.moves[i] == Joker ? other : drawn) << "move " << i;
    }
    EXPECT_EQ(step.over, !rules.open()) << "move " << i;
  }
  EXPECT_EQ(rules.inHand(), g.inHand);
  EXPECT_EQ(rules.rung(), g.rung);
  EXPECT_EQ(!rules.open(), g.over);
}

INSTANTIATE_TEST_SUITE_P(Gambles, DoubleUpRulesTest, ::testing::ValuesIn(kGambles),
                         [](const ::testing::TestParamInfo<Gamble>& row) {
                           return std::string(row.param.name);
                         });

}  // namespace
}  // namespace tarvolenka
