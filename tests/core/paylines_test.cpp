#include "core/paylines.h"

#include <gtest/gtest.h>

namespace tarvolenka {
namespace {

struct PayCase {
  const char* name;
  LineSymbols symbols;
  std::int64_t pay;
};

class LinePayTest : public ::testing::TestWithParam<PayCase> {};

TEST_P(LinePayTest, PaysTheLongestRunFromReelOne) {
  EXPECT_EQ(LinePay(GetParam().symbols), GetParam().pay);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LinePayTest,
    ::testing::Values(PayCase{"FiveVodkas", {10, 10, 10, 10, 10}, 1000},
                      PayCase{"VodkaWithAllMultipliers", {10, 13, 13, 14, 15}, 200000},
                      PayCase{"BeerRunOfTwoWithX2", {6, 13, 3, 6, 6}, 4},
                      PayCase{"ChipsRunOfFourWithX4", {1, 13, 13, 1, 7}, 40},
                      PayCase{"FoodRunOfTwoPaysNothing", {1, 1, 2, 1, 1}, 0},
                      PayCase{"FoodPairBeforeDrinks", {1, 1, 7, 7, 7}, 0},
                      PayCase{"DrinkPairsPay", {6, 6, 1, 1, 1}, 2},
                      PayCase{"RakiaPair", {9, 9, 1, 1, 1}, 4},
                      PayCase{"VodkaPair", {10, 10, 1, 1, 1}, 5},
                      PayCase{"X2AloneAfterChipsIsPairWithoutPay", {1, 13, 2, 1, 1}, 0},
                      PayCase{"SalamiThreeWithX5AndX10", {5, 5, 5, 14, 15}, 7500},
                      PayCase{"SalamiFourWithX5", {5, 5, 5, 14, 8}, 250},
                      PayCase{"BonusNeverPays", {11, 11, 11, 11, 11}, 0},
                      PayCase{"ScatterNeverPays", {12, 12, 12, 12, 12}, 0},
                      PayCase{"MultiplierNeverStartsARun", {13, 13, 13, 14, 15}, 0},
                      PayCase{"MultiplierOnWrongReelEndsRun", {2, 2, 2, 15, 2}, 5},
                      PayCase{"RunStopsAtFirstBreak", {3, 3, 4, 3, 3}, 0}),
    [](const auto& row) { return std::string(row.param.name); });

ReelWindow AllOf(SymbolId s) {
  ReelWindow w;
  w.cells.fill(s);
  return w;
}

TEST(EvaluateLines, AnAllOnesWindowPaysEveryLineFifty) {
  WinningLineFlags flags{};
  EXPECT_EQ(EvaluateLines(AllOf(1), flags), 2500);
  for (auto f : flags) EXPECT_EQ(f, 1);
}

TEST(EvaluateLines, AWindowWithoutRunsPaysNothingAndClearsOldFlags) {
  ReelWindow w;
  // Columns of alternating foods never make a run of three from reel 1.
  const SymbolId columns[5][3] = {{1, 2, 3}, {4, 5, 1}, {2, 3, 4}, {5, 1, 2}, {3, 4, 5}};
  for (int reel = 1; reel <= 5; ++reel)
    for (int row = 1; row <= 3; ++row) w.at(row, reel) = columns[reel - 1][row - 1];
  WinningLineFlags flags;
  flags.fill(1);
  EXPECT_EQ(EvaluateLines(w, flags), 0);
  for (auto f : flags) EXPECT_EQ(f, 0);
}

TEST(EvaluateLines, IgnoresTheHiddenRowAndFlagsOnlyLinesThatPaid) {
  ReelWindow w = AllOf(2);  // sausages everywhere: a run of five of 2 pays 75 per line
  for (int reel = 1; reel <= 5; ++reel) w.at(0, reel) = 10;
  // Break the middle row on reel 1: every line starting in row 2 loses its run.
  w.at(2, 1) = 11;
  WinningLineFlags flags{};
  std::int64_t lineStartingMid = 0;
  for (const auto& line : kPaylineTable) lineStartingMid += line.rows[0] == 2 ? 1 : 0;
  EXPECT_EQ(EvaluateLines(w, flags), (50 - lineStartingMid) * 75);
  for (std::size_t i = 0; i < flags.size(); ++i)
    EXPECT_EQ(flags[i], kPaylineTable[i].rows[0] == 2 ? 0 : 1) << "line " << i + 1;
}

TEST(EvaluateLines, PaysLineFiftyWhateverTheChosenLineCount) {
  // Line 50 takes rows 1 3 3 1 3: vodka along it and nothing else paying.
  ReelWindow w;
  const SymbolId filler[5][3] = {{1, 2, 3}, {4, 5, 1}, {2, 3, 4}, {5, 1, 2}, {3, 4, 5}};
  for (int reel = 1; reel <= 5; ++reel)
    for (int row = 1; row <= 3; ++row) w.at(row, reel) = filler[reel - 1][row - 1];
  const auto& line50 = kPaylineTable[49];
  for (int reel = 1; reel <= 5; ++reel)
    w.at(line50.rows[static_cast<std::size_t>(reel - 1)], reel) = 10;
  WinningLineFlags flags{};
  const std::int64_t total = EvaluateLines(w, flags);
  EXPECT_GE(total, 1000);
  EXPECT_EQ(flags[49], 1);
}

TEST(PaylinePolyline, RunsThroughTheCellCentresWithHorizontalEnds) {
  // Line 4: rows 1 2 3 2 1, offset +8.
  const auto p = PaylinePolyline(kPaylineTable[3]);
  const std::array<Point, 7> expected{
      {{10, 70}, {62, 70}, {187, 195}, {312, 320}, {437, 195}, {562, 70}, {615, 70}}};
  EXPECT_EQ(p, expected);
  // Line 49: rows 3 3 3 3 1, offset +56.
  const auto q = PaylinePolyline(kPaylineTable[48]);
  EXPECT_EQ(q[0], (Point{10, 368}));
  EXPECT_EQ(q[5], (Point{562, 118}));
  EXPECT_EQ(q[6], (Point{615, 118}));
}

TEST(PaylineTable, SharedColoursAreThoseOfTheKnownPairs) {
  const std::pair<int, int> pairs[] = {{1, 50}, {31, 49}, {32, 48}, {34, 46}};
  for (auto [a, b] : pairs)
    EXPECT_EQ(kPaylineTable[static_cast<std::size_t>(a - 1)].colour,
              kPaylineTable[static_cast<std::size_t>(b - 1)].colour);
  int sharing = 0;
  for (std::size_t i = 0; i < kPaylineTable.size(); ++i)
    for (std::size_t j = i + 1; j < kPaylineTable.size(); ++j)
      sharing += kPaylineTable[i].colour == kPaylineTable[j].colour ? 1 : 0;
  EXPECT_EQ(sharing, 4);
}

}  // namespace
}  // namespace tarvolenka
