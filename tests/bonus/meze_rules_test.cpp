// The meze's rules on their own: deals from a known generator and games played pick by pick.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bonus/meze_rules.h"

namespace tarvolenka {
namespace {

// The first cell of `row` that holds a prize, or a zero.
int CellWith(const MezeRules& rules, MezeRow row, bool prize) {
  const auto& cells = rules.prizes()[static_cast<std::size_t>(row)];
  for (std::size_t k = 0; k < cells.size(); ++k)
    if ((cells[k] != 0) == prize) return static_cast<int>(k) + 1;
  return 0;
}

TEST(MezeRules, DealsEveryRowsPrizesScaledByTheBonusSymbolsWithZerosElsewhere) {
  for (std::int64_t symbols : {3, 4, 5}) {
    Random rng;
    rng.Seed(static_cast<std::uint32_t>(symbols) * 7919u);
    MezeRules rules;
    rules.Deal(symbols, rng);
    for (MezeRow row : kMezePlacementOrder) {
      const auto set = MezePrizeSet(row);
      const auto& cells = rules.prizes()[static_cast<std::size_t>(row)];
      std::vector<std::int64_t> dealt, wanted;
      for (std::int64_t v : cells)
        if (v != 0) dealt.push_back(v);
      for (std::int64_t v : set) wanted.push_back(v * symbols);
      std::sort(dealt.begin(), dealt.end());
      std::sort(wanted.begin(), wanted.end());
      EXPECT_EQ(dealt, wanted) << "row " << static_cast<int>(row) << ", " << symbols << " symbols";
    }
    EXPECT_TRUE(rules.IsOpen(MezeRow::Cabbage));
    EXPECT_FALSE(rules.Over());
  }
}

// A game as a list of picks, each of a prize or a zero, row by row from the bottom.
struct MezeGame {
  const char* name;
  std::vector<bool> prizes;  // true: a cell with a prize; false: a zero
  bool over;
  int picks;  // picks taken before the game ended or the list ran out
};

const MezeGame kGames[] = {
    {"OnePrizeOpensTheNextRow", {true}, false, 1},
    {"AZeroEndsTheGame", {true, false}, true, 2},
    {"TheTopRowEndsTheGame", {true, true, true, true}, true, 4},
    {"NoPickAfterTheEnd", {true, false, true}, true, 2},
};

class MezeGames : public ::testing::TestWithParam<MezeGame> {};

TEST_P(MezeGames, PlayRowByRowAndEndOnAZeroOrTheTop) {
  const MezeGame& g = GetParam();
  Random rng;
  rng.Seed(20261209);
  MezeRules rules;
  rules.Deal(3, rng);
  int picks = 0;
  for (std::size_t i = 0; i < g.prizes.size(); ++i) {
    const auto row = static_cast<MezeRow>(std::min<std::size_t>(i, kMezeRows - 1));
    const int cell = CellWith(rules, row, g.prizes[i]);
    ASSERT_NE(cell, 0);
    const auto prize = rules.Pick(row, cell);
    if (!prize) break;
    ++picks;
    EXPECT_EQ(*prize, rules.prizes()[static_cast<std::size_t>(row)][cell - 1u]);
    // The next row waits for the reveal of this one.
    if (i + 1 < kMezeRows) {
      EXPECT_FALSE(rules.Pick(static_cast<MezeRow>(i + 1), 1));
    }
    rules.OpenNextRow();
  }
  EXPECT_EQ(picks, g.picks);
  EXPECT_EQ(rules.Over(), g.over);

  // The resume file's snapshot brings the same game back.
  MezeRules resumed;
  resumed.Restore(rules.Snapshot());
  EXPECT_EQ(resumed.prizes(), rules.prizes());
  EXPECT_EQ(resumed.Over(), rules.Over());
  for (int row = 0; row < kMezeRows; ++row) {
    const auto r = static_cast<MezeRow>(row);
    EXPECT_EQ(resumed.Picked(r), rules.Picked(r)) << row;
    EXPECT_EQ(resumed.IsOpen(r), rules.IsOpen(r)) << row;
  }
}

INSTANTIATE_TEST_SUITE_P(Games, MezeGames, ::testing::ValuesIn(kGames),
                         [](const ::testing::TestParamInfo<MezeGame>& row) {
                           return std::string(row.param.name);
                         });

TEST(MezeRules, TakesNoPickOutsideTheOpenRowOrItsSixCells) {
  Random rng;
  MezeRules rules;
  rules.Deal(3, rng);
  EXPECT_FALSE(rules.Pick(MezeRow::Tomato, 1));
  EXPECT_FALSE(rules.Pick(MezeRow::Cabbage, 0));
  EXPECT_FALSE(rules.Pick(MezeRow::Cabbage, 7));
  EXPECT_TRUE(rules.IsOpen(MezeRow::Cabbage));
}

}  // namespace
}  // namespace tarvolenka
