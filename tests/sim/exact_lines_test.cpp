#include "exact/exact_lines.h"

#include <gtest/gtest.h>

#include "tools/sim/session.h"
#include "tools/sim/tally.h"

namespace tarvolenka::sim {
namespace {

// The line pay and the visible scatter and bonus symbols of many line-only spins of the game's
// reels, played by the simulator's session.
struct LineRun {
  std::int64_t spins = 0;
  Moments pay;  // per unit of stake per line
  std::array<std::int64_t, kReels + 1> scatters{};
  std::array<std::int64_t, kReels + 1> bonusSymbols{};
};

const LineRun& SeededLineRun() {
  static const LineRun run = [] {
    LineRun r;
    Session session(Settings{}, 11);
    r.spins = 3'000'000;
    for (std::int64_t i = 0; i < r.spins; ++i) {
      r.pay.Add(static_cast<double>(session.SpinLinesOnly()));
      const ReelWindow& w = session.reels();
      ++r.scatters[static_cast<std::size_t>(CountVisible(w, kScatterSymbol))];
      ++r.bonusSymbols[static_cast<std::size_t>(CountVisible(w, kBonusSymbol))];
    }
    return r;
  }();
  return run;
}

TEST(ExactLinePay, AgreesWithALongSeededSimulationOfTheReels) {
  const LineRun& run = SeededLineRun();
  const LineExpectation exact = ExpectedLinePay(ReelModel::Game());
  const Estimate simulated = run.pay.Mean(run.spins);
  EXPECT_TRUE(simulated.Contains(exact.pay))
      << "exact " << exact.pay << ", simulated " << simulated.value << " [" << simulated.low << ", "
      << simulated.high << "]";
  EXPECT_GT(exact.multiplierPay, 0);
  EXPECT_LT(exact.multiplierPay, exact.pay);
}

TEST(ExactTriggers, ScatterAndBonusSymbolCountsAgreeWithTheSimulation) {
  const LineRun& run = SeededLineRun();
  const ReelModel& model = ReelModel::Game();
  const auto scatters = VisibleCountDistribution(model, kScatterSymbol);
  const auto bonus = VisibleCountDistribution(model, kBonusSymbol);
  double total = 0;
  for (double p : scatters) total += p;
  EXPECT_NEAR(total, 1.0, 1e-12);
  for (std::size_t k = 3; k <= kReels; ++k) {
    const Estimate s = Proportion(run.scatters[k], run.spins);
    EXPECT_TRUE(s.Contains(scatters[k]))
        << k << " scatters: exact " << scatters[k] << ", simulated " << s.value;
    const Estimate b = Proportion(run.bonusSymbols[k], run.spins);
    EXPECT_TRUE(b.Contains(bonus[k]))
        << k << " bonus symbols: exact " << bonus[k] << ", simulated " << b.value;
  }
}

TEST(ExactLinePay, ReadsThePayTableItIsGivenWithTheGamesAsDefault) {
  const ReelModel& model = ReelModel::Game();
  EXPECT_EQ(ExpectedLinePay(model).pay, ExpectedLinePay(model, kPayTable).pay);
  PayTable none{};
  EXPECT_EQ(ExpectedLinePay(model, none).pay, 0);
}

// Raising the pay of a beer pair (symbol 6, run of two) by d moves the figure by d times the
// chance of that run on each line, worked out here from the reels' marginals: a 6 on reel 1,
// a 6 or a x2 (which doubles the pay) on reel 2, and neither on reel 3.
TEST(ExactLinePay, MovesByTheChangedPayTimesTheChanceOfItsRun) {
  const ReelModel& model = ReelModel::Game();
  constexpr SymbolId kBeer = 6;
  constexpr SymbolId kTimesTwo = 13;
  constexpr std::int64_t kRaise = 7;
  PayTable raised = kPayTable;
  raised[kBeer][2] += kRaise;
  double weight = 0;
  for (const Payline& line : kPaylineTable) {
    const auto p1 = RowMarginal(model.chains[0], model.stationary[0], line.rows[0]);
    const auto p2 = RowMarginal(model.chains[1], model.stationary[1], line.rows[1]);
    const auto p3 = RowMarginal(model.chains[2], model.stationary[2], line.rows[2]);
    weight += p1[kBeer] * (p2[kBeer] + 2 * p2[kTimesTwo]) * (1 - p3[kBeer] - p3[kTimesTwo]);
  }
  const double before = ExpectedLinePay(model).pay;
  const double moved = ExpectedLinePay(model, raised).pay - before;
  EXPECT_GT(moved, 0);
  // Sums of some 17 million terms: equal to rounding.
  EXPECT_NEAR(moved, kRaise * weight, 1e-10 * before);
}

}  // namespace
}  // namespace tarvolenka::sim
