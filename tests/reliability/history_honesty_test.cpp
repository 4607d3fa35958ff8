// Honest numbers: after a long seeded session of the monkey player, the statistics worked out
// from the history agree with the monkey's own ledger to the credit.

#include <gtest/gtest.h>

#include "history/history_stats.h"
#include "tests/reliability/monkey_table.h"
#include "tests/support/invariant_broken.h"

namespace tarvolenka::testing {
namespace {

// Every game is written once its spins, bonus and double-up are over: the main window alone,
// reels at rest, no pause holding the game (a stopped spin may wait to open its bonus) and no
// free spins due.
bool Settled(MonkeyTable& t) {
  for (std::size_t w = 0; w < kWindowCount; ++w) {
    if (static_cast<WindowId>(w) != WindowId::Main && t.desk().IsShown(static_cast<WindowId>(w))) {
      return false;
    }
  }
  return !t.desk().paused() && t.game().main().cycle().freeSpins() == 0 &&
         !t.desk().IsTimerRunning(TimerOf(MainTimer::Spin)) &&
         !t.desk().IsTimerRunning(TimerOf(MainTimer::FreeSpin));
}

TEST(HistoryHonesty, StatisticsAgreeWithTheLedgerToTheCredit) {
  for (const std::uint64_t seed : {11u, 12u}) {
    MonkeyTable table(seed);
    try {
      table.monkey().Play(120000);
      while (!Settled(table)) table.monkey().Play(1);
    } catch (const InvariantBroken& e) {
      FAIL() << e.what();
    }
    const HistoryLines read = table.game().historyFile().Read();
    EXPECT_EQ(read.damaged, 0);
    const HistoryStats stats = ComputeStats(read.lines, 0).lifetime;
    const LedgerCounts& books = table.monkey().ledger().counts();
    EXPECT_EQ(stats.games, books.paidSpins) << "seed " << seed;
    EXPECT_EQ(stats.taken(), books.staked) << "seed " << seed;
    EXPECT_EQ(stats.credited(), books.credited) << "seed " << seed;
    EXPECT_EQ(stats.doubleUps, books.doubleUps) << "seed " << seed;
    EXPECT_EQ(stats.levelUps, books.levelUps) << "seed " << seed;
    EXPECT_EQ(stats.timedBonuses, books.timedBonuses + books.megaBonuses) << "seed " << seed;
    EXPECT_GT(stats.games, 200);
    // Every bonus game played keeps its picks: each kind's own first pick at least.
    std::int64_t picked = 0;
    for (const std::string& line : read.lines) {
      const auto has = [&line](const char* text) { return line.find(text) != std::string::npos; };
      EXPECT_TRUE(!has("\"bonus_kind\":1") || has("\"stage\":\"bottle\"")) << line;
      EXPECT_TRUE(!has("\"bonus_kind\":2") || has("\"stage\":\"meze\"")) << line;
      EXPECT_TRUE(!has("\"bonus_kind\":3") || has("\"stage\":\"cover\"")) << line;
      picked += has("\"revealed\"") ? 1 : 0;
    }
    EXPECT_GT(picked, 0);
    EXPECT_GT(stats.doubleUps, 0);
  }
}

}  // namespace
}  // namespace tarvolenka::testing
