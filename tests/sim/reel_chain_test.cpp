#include "exact/reel_chain.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace tarvolenka::sim {
namespace {

class ReelChainOfEachReel : public ::testing::TestWithParam<int> {
 protected:
  const ReelChain chain{GetParam()};
};

TEST_P(ReelChainOfEachReel, TransitionsFromEveryStateSumToOne) {
  for (std::size_t i = 0; i < chain.size(); ++i) {
    double sum = 0;
    for (const Transition& t : chain.From(i)) {
      EXPECT_GT(t.probability, 0);
      sum += t.probability;
    }
    ASSERT_NEAR(sum, 1.0, 1e-12) << "state " << i;
  }
}

TEST_P(ReelChainOfEachReel, StatesHoldFourDifferentSymbolsAllowedOnTheReel) {
  for (std::size_t i = 0; i < chain.size(); ++i) {
    const Column& c = chain.state(i);
    for (std::size_t a = 0; a < c.size(); ++a) {
      ASSERT_TRUE(AllowedOnReel(c[a], GetParam())) << "state " << i;
      for (std::size_t b = a + 1; b < c.size(); ++b) ASSERT_NE(c[a], c[b]) << "state " << i;
    }
  }
}

TEST_P(ReelChainOfEachReel, MultipliersAppearOnlyOnTheirReels) {
  std::map<SymbolId, bool> seen;
  for (std::size_t i = 0; i < chain.size(); ++i)
    for (SymbolId s : chain.state(i)) seen[s] = true;
  const int reel = GetParam();
  EXPECT_EQ(seen.count(13) == 1, reel == 2 || reel == 3);
  EXPECT_EQ(seen.count(14) == 1, reel == 4);
  EXPECT_EQ(seen.count(15) == 1, reel == 5);
  for (SymbolId s = 1; s <= 12; ++s) EXPECT_TRUE(seen.count(s) == 1) << int{s};
}

TEST_P(ReelChainOfEachReel, StationaryDistributionIsLeftAsItIsByAnAdvance) {
  const std::vector<double> p = chain.Stationary();
  const std::vector<double> next = chain.Advance(p);
  double total = 0, moved = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    total += p[i];
    moved += std::fabs(next[i] - p[i]);
    ASSERT_GE(p[i], 0);
  }
  EXPECT_NEAR(total, 1.0, 1e-12);
  EXPECT_LT(moved, 1e-13);
  // Stationary, every row holds the same marginal: row r + 1 is row r one advance earlier.
  const auto row1 = RowMarginal(chain, p, 1);
  for (int row = 0; row < kRows; ++row) {
    const auto other = RowMarginal(chain, p, row);
    for (std::size_t s = 0; s < 16; ++s) EXPECT_NEAR(other[s], row1[s], 1e-12) << "row " << row;
  }
}

// The chain's successors are those of the game's own advance, in its proportions: many
// advances of this reel alone from each of a few columns, counted against the chain.
TEST_P(ReelChainOfEachReel, TransitionsAreThoseOfTheGamesAdvance) {
  const int reel = GetParam();
  ReelFlags only{};
  only[static_cast<std::size_t>(reel - 1)] = 1;
  Random r;
  r.Seed(20261208u + static_cast<std::uint32_t>(reel));
  constexpr int kAdvances = 40000;
  for (std::size_t from : {std::size_t{0}, chain.size() / 3, chain.size() - 1}) {
    std::map<std::uint32_t, int> counts;
    for (int i = 0; i < kAdvances; ++i) {
      ReelWindow w;
      for (int row = 0; row < kRows; ++row)
        w.at(row, reel) = chain.state(from)[static_cast<std::size_t>(row)];
      AdvanceReels(w, only, r);
      Column after{};
      for (int row = 0; row < kRows; ++row) after[static_cast<std::size_t>(row)] = w.at(row, reel);
      const int to = chain.IndexOf(after);
      ASSERT_GE(to, 0) << "the game reached a column the chain does not have";
      ++counts[static_cast<std::uint32_t>(to)];
    }
    double chiSquare = 0;
    std::size_t cells = 0;
    for (const Transition& t : chain.From(from)) {
      const double expected = kAdvances * t.probability;
      const double d = counts[t.to] - expected;
      chiSquare += d * d / expected;
      ++cells;
      counts.erase(t.to);
    }
    EXPECT_TRUE(counts.empty()) << "the game reached a successor the chain does not allow";
    // About 12 degrees of freedom: a value beyond 40 has a probability far below 1e-4.
    EXPECT_LT(chiSquare, 40.0) << "from state " << from << " over " << cells << " successors";
  }
}

INSTANTIATE_TEST_SUITE_P(Reels, ReelChainOfEachReel, ::testing::Values(1, 2, 3, 4, 5));

}  // namespace
}  // namespace tarvolenka::sim
