// The bottles' and the cups' rules on their own, from a known generator.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bonus/drinks_rules.h"

namespace tarvolenka {
namespace {

TEST(BottlesRules, HideEachMultiplierOnceAndTakeOneFinalPick) {
  Random rng;
  rng.Seed(42);
  BottlesRules rules;
  rules.DealEachValueOnce(rng);
  std::array<std::uint8_t, kBottles> sorted = rules.values();
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, (std::array<std::uint8_t, kBottles>{1, 2, 3, 4, 5}));
  EXPECT_FALSE(rules.Pick(0));
  EXPECT_FALSE(rules.Pick(kBottles + 1));
  ASSERT_EQ(rules.Pick(3), rules.values()[2]);
  EXPECT_FALSE(rules.open());
  EXPECT_FALSE(rules.Pick(4));

  BottlesRules resumed;
  resumed.Restore(rules.Snapshot());
  EXPECT_EQ(resumed.values(), rules.values());
  EXPECT_TRUE(resumed.open());  // a resumed game waits for its pick again
}

TEST(SinglePick, GoldenPickHidesTwoThreeAndFourFoulsInDrawnCovers) {
  Random rng;
  rng.Seed(7);
  Random replay = rng;
  SinglePick<3> covers;
  covers.DealIntoDrawnCovers(rng, 2);
  // Each number of fouls in turn goes under the first free cover the generator names.
  std::array<std::uint8_t, 3> expected{};
  for (std::uint8_t fouls = 2; fouls <= 4; ++fouls) {
    std::uint32_t cover = 0;
    do cover = replay.Below(3);
    while (expected[cover] != 0);
    expected[cover] = fouls;
  }
  EXPECT_EQ(covers.values(), expected);
  EXPECT_EQ(rng.Below(1000), replay.Below(1000));  // the same number of draws
}

// A cup of prize level `level` (an index of the levels): the first one, or the first not yet
// opened.
int CupOf(const CupsRules& rules, std::size_t level, std::int64_t symbols, bool unopened) {
  for (int cup = 1; cup <= kCups; ++cup)
    if (rules.prizes()[static_cast<std::size_t>(cup - 1)] == kCupLevels[level] * symbols &&
        !(unopened && rules.opened(cup)))
      return cup;
  return 0;
}

struct CupsGame {
  const char* name;
  std::vector<std::size_t> levels;  // the level of each cup opened, in order
  bool sameCupAgain;                // open the first cup of the level each time
  std::int64_t result;              // per bonus symbol; 0 while the game goes on
};

const CupsGame kCupsGames[] = {
    {"ThreeOfTheLowestPayIt", {0, 0, 0}, false, 5},
    {"ThreeOfTheTopPayIt", {4, 3, 4, 3, 4}, false, 150},
    {"TwoOfEachLevelPaysNothingYet", {0, 1, 2, 3, 4, 0, 1, 2, 3, 4}, false, 0},
    {"ACupOpenedAgainCountsAgain", {2, 2, 2}, true, 20},
};

class CupsGames : public ::testing::TestWithParam<CupsGame> {};

TEST_P(CupsGames, EndOnTheFirstLevelFoundThreeTimes) {
  const CupsGame& g = GetParam();
  constexpr std::int64_t kSymbols = 4;
  Random rng;
  rng.Seed(20261209);
  CupsRules rules;
  rules.Deal(kSymbols, rng);
  std::vector<std::int64_t> dealt(rules.prizes().begin(), rules.prizes().end());
  for (std::int64_t level : kCupLevels)
    EXPECT_EQ(std::count(dealt.begin(), dealt.end(), level * kSymbols), kCupsPerLevel);

  std::optional<std::int64_t> result;
  for (std::size_t level : g.levels) {
    const auto pick = rules.Pick(CupOf(rules, level, kSymbols, !g.sameCupAgain));
    ASSERT_TRUE(pick);
    EXPECT_EQ(pick->prize, kCupLevels[level] * kSymbols);
    result = pick->result;
  }
  EXPECT_EQ(result.value_or(0), g.result * kSymbols);
  EXPECT_EQ(rules.open(), g.result == 0);

  CupsRules resumed;
  resumed.Restore(rules.Snapshot(), kSymbols);
  EXPECT_EQ(resumed.prizes(), rules.prizes());
  EXPECT_EQ(resumed.hits(), rules.hits());
}

INSTANTIATE_TEST_SUITE_P(Games, CupsGames, ::testing::ValuesIn(kCupsGames),
                         [](const ::testing::TestParamInfo<CupsGame>& row) {
                           return std::string(row.param.name);
                         });

}  // namespace
}  // namespace tarvolenka
