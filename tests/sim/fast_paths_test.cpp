// The simulator's fast paths against the game's plain ones: the batch of reel advances against
// one advance at a time, and the grouped and the run-following line evaluations against the sum
// of every line's pay.

#include <gtest/gtest.h>

#include <vector>

#include "core/paylines.h"
#include "core/reels.h"
#include "core/spin_schedule.h"

namespace tarvolenka {
namespace {

void ExpectSameAsOneAtATime(ReelWindow start, std::uint32_t seed,
                            const std::vector<ReelFlags>& advances) {
  ReelWindow plain = start;
  Random a;
  a.Seed(seed);
  for (const ReelFlags& f : advances) AdvanceReels(plain, f, a);
  for (BatchForm form : BatchForms()) {
    ReelWindow batch = start;
    Random b;
    b.Seed(seed);
    AdvanceReels(form, batch, advances, b);
    ASSERT_EQ(batch, plain) << "seed " << seed << " form " << static_cast<int>(form);
    ASSERT_EQ(b.seed(), a.seed()) << "seed " << seed << " form " << static_cast<int>(form);
  }
  ReelWindow batch = start;
  Random b;
  b.Seed(seed);
  AdvanceReels(batch, advances, b);  // the fastest form, as the simulator calls it
  ASSERT_EQ(batch, plain) << "seed " << seed;
}

TEST(BatchAdvance, FillsTheEmptyWindowAsTheStartUpDoes) {
  const std::vector<ReelFlags> fill(4, ReelFlags{1, 1, 1, 1, 1});
  for (std::uint32_t seed = 0; seed < 3000; ++seed)
    ExpectSameAsOneAtATime(ReelWindow{}, seed * 2654435761u, fill);
}

// The batch lays the stop schedule out turn by turn, whether it is handed the schedule itself,
// as the simulator does, or a copy; any other flags take its general loop.
TEST(BatchAdvance, PlaysTheStopScheduleAsTheSpinCycleDoes) {
  const std::vector<ReelFlags> schedule(kStopSchedule.begin(), kStopSchedule.end());
  Random r;
  ReelWindow w;
  for (int i = 0; i < 4; ++i) AdvanceReels(w, ReelFlags{1, 1, 1, 1, 1}, r);
  for (std::uint32_t spin = 0; spin < 20000; ++spin) {
    const std::uint32_t seed = spin * 7919u % 86400000u;
    ExpectSameAsOneAtATime(w, seed, schedule);
    ReelWindow batch = w;
    Random b;
    b.Seed(seed);
    AdvanceReels(batch, kStopSchedule, b);
    r.Seed(seed);
    for (const ReelFlags& f : schedule) AdvanceReels(w, f, r);  // carry the window on
    ASSERT_EQ(batch, w) << "seed " << seed;
    ASSERT_EQ(b.seed(), r.seed()) << "seed " << seed;
  }
}

TEST(BatchAdvance, FollowsAnyTurningFlagsOverLongRuns) {
  Random pattern;
  pattern.Seed(4242);
  Random r;
  ReelWindow w;
  for (int i = 0; i < 4; ++i) AdvanceReels(w, ReelFlags{1, 1, 1, 1, 1}, r);
  for (int run = 0; run < 300; ++run) {
    std::vector<ReelFlags> advances(1 + pattern.Below(400));  // many blocks of draws
    for (ReelFlags& f : advances)
      for (auto& flag : f) flag = static_cast<std::uint8_t>(pattern.Below(3) == 0 ? 0 : 1);
    ExpectSameAsOneAtATime(w, pattern.Below(0xFFFFFFFFu), advances);
    for (const ReelFlags& f : advances) AdvanceReels(w, f, r);
  }
  ExpectSameAsOneAtATime(w, 1, {});
}

std::int64_t EveryLinesPay(const ReelWindow& w, WinningLineFlags& flags) {
  flags.fill(0);
  std::int64_t total = 0;
  for (std::size_t i = 0; i < kPaylineTable.size(); ++i) {
    const std::int64_t pay = LinePay(SymbolsOnLine(w, kPaylineTable[i]));
    total += pay;
    flags[i] = pay > 0 ? 1 : 0;
  }
  return total;
}

TEST(GroupedEvaluation, PaysAndFlagsAsEveryLineEvaluatedInTurn) {
  Random r;
  r.Seed(77);
  WinningLineFlags fast{}, reference{};
  std::int64_t paid = 0;
  for (int i = 0; i < 300000; ++i) {
    ReelWindow w;
    // Any cells, also ones the reels never show, and often runs: few symbols to choose from.
    const std::uint32_t symbols = i % 2 == 0 ? 16 : 4;
    for (auto& cell : w.cells)
      cell = static_cast<SymbolId>(i % 4 == 1 ? 13 + r.Below(3) : r.Below(symbols));
    const std::int64_t expected = EveryLinesPay(w, reference);
    ASSERT_EQ(EvaluateLines(w, fast), expected) << "window " << i;
    ASSERT_EQ(fast, reference) << "window " << i;
    paid += expected > 0 ? 1 : 0;
  }
  EXPECT_GT(paid, 1000);
  ReelWindow spun;
  const ReelFlags all{1, 1, 1, 1, 1};
  for (int i = 0; i < 300000; ++i) {
    AdvanceReels(spun, all, r);
    ASSERT_EQ(EvaluateLines(spun, fast), EveryLinesPay(spun, reference));
    ASSERT_EQ(fast, reference);
  }
}

// Windows of few symbols, runs of pairs that pay and multipliers on every reel, then spun ones;
// each form the processor offers, and the fastest as the simulator calls it.
TEST(RunFollowingEvaluation, PaysAsEveryLineEvaluatedInTurnWithTheMultipliersShare) {
  Random r;
  r.Seed(78);
  ReelWindow spun;
  std::int64_t withMultiplier = 0;
  for (int i = 0; i < 400000; ++i) {
    ReelWindow w;
    for (auto& cell : w.cells) {
      const std::uint32_t v = r.Below(i % 2 == 0 ? 16 : 5);
      cell = static_cast<SymbolId>(i % 2 == 0 ? v : (v < 2 ? 6 + v : 11 + v));
    }
    AdvanceReels(spun, ReelFlags{1, 1, 1, 1, 1}, r);
    for (const ReelWindow& window : {w, spun}) {
      LinePays expected;
      for (const Payline& line : kPaylineTable) {
        const LineSymbols symbols = SymbolsOnLine(window, line);
        expected.total += LinePay(symbols);
        if (RunOnLine(symbols).factor > 1) expected.withMultiplier += LinePay(symbols);
      }
      for (LinePayForm form : LinePayForms())
        ASSERT_EQ(EvaluateLinePays(form, window), expected)
            << "window " << i << " form " << static_cast<int>(form);
      ASSERT_EQ(EvaluateLinePays(window), expected) << "window " << i;
      withMultiplier += expected.withMultiplier > 0 ? 1 : 0;
    }
  }
  EXPECT_GT(withMultiplier, 10000);
}

}  // namespace
}  // namespace tarvolenka
