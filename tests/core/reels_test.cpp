#include "core/reels.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace tarvolenka {
namespace {

TEST(DrawSymbol, FollowsTheWeightTableOverManyDraws) {
  Random r;
  r.Seed(777);
  std::array<int, 16> counts{};
  constexpr int kDraws = 730000;
  for (int i = 0; i < kDraws; ++i) ++counts[DrawSymbol(r)];
  EXPECT_EQ(counts[0], 0);
  for (int s = 1; s <= 15; ++s) {
    const double expected = kDraws * kSymbolWeights[static_cast<std::size_t>(s - 1)] / 73.0;
    EXPECT_NEAR(counts[static_cast<std::size_t>(s)], expected, expected * 0.03) << "symbol " << s;
  }
}

TEST(DrawSymbol, MapsEachDrawOntoItsSymbolByTheTableBoundaries) {
  // A seed whose first draw of 0..72 is known from the generator test (28 → symbol 4).
  Random r;
  r.Seed(12345);
  EXPECT_EQ(DrawSymbol(r), 4);  // 28
  EXPECT_EQ(DrawSymbol(r), 3);  // 21
  EXPECT_EQ(DrawSymbol(r), 1);  // 5
  EXPECT_EQ(DrawSymbol(r), 5);  // 40
  EXPECT_EQ(DrawSymbol(r), 6);  // 46
  EXPECT_EQ(DrawSymbol(r), 3);  // 24
}

ReelWindow Filled(Random& r) {
  ReelWindow w;
  ReelFlags all{1, 1, 1, 1, 1};
  for (int i = 0; i < 4; ++i) AdvanceReels(w, all, r);
  return w;
}

bool ColumnDistinct(const ReelWindow& w, int reel) {
  std::set<int> seen;
  for (int row = 0; row < kRows; ++row) seen.insert(w.at(row, reel));
  return seen.size() == kRows;
}

TEST(AdvanceReels, FillFromEmptyLeavesNoZeroAndNoRepeatInAColumn) {
  Random r;
  for (std::uint32_t seed = 0; seed < 2000; ++seed) {
    r.Seed(seed * 7919);
    const ReelWindow w = Filled(r);
    for (int reel = 1; reel <= kReels; ++reel) {
      ASSERT_TRUE(ColumnDistinct(w, reel)) << "seed " << seed << " reel " << reel;
      for (int row = 0; row < kRows; ++row) ASSERT_NE(w.at(row, reel), 0);
    }
  }
}

TEST(AdvanceReels, KeepsMultipliersOnTheirReelsAndColumnsDistinctOverManyAdvances) {
  Random r;
  r.Seed(42);
  ReelWindow w = Filled(r);
  ReelFlags all{1, 1, 1, 1, 1};
  std::array<std::set<int>, 16> reelsOf;
  for (int i = 0; i < 200000; ++i) {
    AdvanceReels(w, all, r);
    for (int reel = 1; reel <= kReels; ++reel) {
      reelsOf[w.at(0, reel)].insert(reel);
      ASSERT_TRUE(ColumnDistinct(w, reel)) << "advance " << i;
    }
  }
  EXPECT_EQ(reelsOf[13], (std::set<int>{2, 3}));
  EXPECT_EQ(reelsOf[14], (std::set<int>{4}));
  EXPECT_EQ(reelsOf[15], (std::set<int>{5}));
  EXPECT_EQ(reelsOf[1], (std::set<int>{1, 2, 3, 4, 5}));
}

TEST(AdvanceReels, ShiftsTurningReelsDownAndLeavesStoppedReelsUntouched) {
  Random r;
  r.Seed(99);
  const ReelWindow before = Filled(r);
  ReelWindow after = before;
  AdvanceReels(after, ReelFlags{0, 1, 0, 1, 1}, r);
  for (int reel : {1, 3})
    for (int row = 0; row < kRows; ++row) EXPECT_EQ(after.at(row, reel), before.at(row, reel));
  for (int reel : {2, 4, 5}) {
    for (int row = 1; row < kRows; ++row) EXPECT_EQ(after.at(row, reel), before.at(row - 1, reel));
    EXPECT_TRUE(ColumnDistinct(after, reel));
  }
}

TEST(CountVisible, CountsRowsOneToThreeOnly) {
  ReelWindow w;
  w.cells.fill(1);
  for (int reel = 1; reel <= kReels; ++reel) w.at(0, reel) = kBonusSymbol;
  EXPECT_EQ(CountVisible(w, kBonusSymbol), 0);
  w.at(1, 1) = kBonusSymbol;
  w.at(3, 5) = kBonusSymbol;
  EXPECT_EQ(CountVisible(w, kBonusSymbol), 2);
  EXPECT_EQ(CountVisible(w, 1), 13);
}

TEST(CountVisible, CountsEveryVisibleCellOfEachSymbol) {
  Random r;
  r.Seed(5);
  for (int i = 0; i < 20000; ++i) {
    ReelWindow w;
    for (auto& cell : w.cells) cell = static_cast<SymbolId>(r.Below(i % 2 == 0 ? 16 : 3));
    for (SymbolId s = 0; s < 16; ++s) {
      int n = 0;
      for (int row = 1; row < kRows; ++row)
        for (int reel = 1; reel <= kReels; ++reel) n += w.at(row, reel) == s ? 1 : 0;
      ASSERT_EQ(CountVisible(w, s), n) << "window " << i << " symbol " << int{s};
    }
  }
}

}  // namespace
}  // namespace tarvolenka
