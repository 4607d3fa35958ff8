#include "tools/sim/simulator.h"

#include <gtest/gtest.h>

#include "exact/exact.h"
#include "tools/sim/summary.h"

namespace tarvolenka::sim {
namespace {

RunOptions Options(std::int64_t spins, int threads, std::uint64_t seed) {
  RunOptions o;
  o.spins = spins;
  o.threads = threads;
  o.seed = seed;
  return o;
}

void ExpectSameMoments(const Moments& a, const Moments& b) {
  EXPECT_EQ(a.sum, b.sum);
  EXPECT_EQ(a.squares, b.squares);
}

TEST(Simulate, TheSameSeedAndThreadsGiveIdenticalFigures) {
  const RunResult a = Simulate(Options(40000, 2, 5));
  const RunResult b = Simulate(Options(40000, 2, 5));
  ExpectSameMoments(a.tally.total, b.tally.total);
  ExpectSameMoments(a.tally.lines, b.tally.lines);
  ExpectSameMoments(a.tally.freeSpins, b.tally.freeSpins);
  for (std::size_t g = 0; g < kBonusGames; ++g)
    ExpectSameMoments(a.tally.bonus[g], b.tally.bonus[g]);
  EXPECT_EQ(a.tally.totalFourths, b.tally.totalFourths);
  EXPECT_EQ(a.tally.winHistogram, b.tally.winHistogram);
  EXPECT_EQ(a.tally.scatterCount, b.tally.scatterCount);
  EXPECT_EQ(a.tally.bonusGames, b.tally.bonusGames);
  EXPECT_EQ(a.tally.largestWin, b.tally.largestWin);
  EXPECT_EQ(a.tally.spins, b.tally.spins);
  // The seed does steer the run.
  const RunResult c = Simulate(Options(40000, 2, 6));
  EXPECT_NE(a.tally.total.sum, c.tally.total.sum);
}

TEST(Simulate, ThreadsShareOutThePaidSpins) {
  std::int64_t sum = 0;
  for (int t = 0; t < 3; ++t) {
    EXPECT_GE(SpinsOfThread(10, 3, t), 3);
    EXPECT_LE(SpinsOfThread(10, 3, t), 4);
    sum += SpinsOfThread(10, 3, t);
  }
  EXPECT_EQ(sum, 10);
  const RunResult r = Simulate(Options(1001, 3, 1));
  EXPECT_EQ(r.tally.paidSpins, 1001);
  EXPECT_GE(r.tally.spins, 1001);
  EXPECT_EQ(r.tally.spins, r.tally.paidSpins + r.tally.freeSpinsPlayed);
}

// Gambling up to rung 3 with random guesses returns, on average, what was gambled: the rung's
// multiplier times the chance of three right guesses; the double-up's own rules decide.
TEST(Simulate, DoubleUpReturnsWhatItsLadderPromises) {
  RunOptions o = Options(80000, 2, 3);
  o.settings.doubleUp = *ParseDoubleStrategy("collect-at:3");
  const RunResult r = Simulate(o);
  const ExactFigures exact = ComputeExact(ExactPlayOf(o.settings));
  const Estimate perCredit = r.tally.doubleUpReturn.Mean(r.tally.gambles);
  EXPECT_GT(r.tally.gambles, 10000);
  EXPECT_TRUE(perCredit.Contains(exact.doubleUpReturnPerCredit))
      << "exact " << exact.doubleUpReturnPerCredit << ", simulated " << perCredit.value;
  // What the double-up adds is the whole difference between the totals with and without it.
  EXPECT_NEAR(r.tally.total.sum - r.tally.totalWithoutDoubleUp.sum, r.tally.doubleUp.sum,
              1e-6 * std::abs(r.tally.total.sum));
}

TEST(Simulate, SourcesAddUpToTheTotal) {
  const RunResult r = Simulate(Options(20000, 1, 9));
  const Tally& t = r.tally;
  double sources = t.lines.sum + t.freeSpins.sum + t.doubleUp.sum;
  for (const Moments& b : t.bonus) sources += b.sum;
  EXPECT_NEAR(sources, t.total.sum, 1e-9 * t.total.sum);
  EXPECT_LE(t.multiplierLines.sum, t.lines.sum);
  std::int64_t binned = 0;
  for (std::int64_t count : t.winHistogram) binned += count;
  EXPECT_EQ(binned, t.paidSpins);
}

}  // namespace
}  // namespace tarvolenka::sim
