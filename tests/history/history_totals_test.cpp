// The statistics' running totals: the figures are those of the whole file whether it was counted
// at once or in the background, records appended meanwhile are neither lost nor counted twice,
// and trims in the background keep every game's figures.

#include <gtest/gtest.h>

#include <string>

#include "history/history_file.h"
#include "history/history_stats.h"
#include "history/statistics_window.h"
#include "tests/history/sample_history.h"
#include "tests/support/temp_dir.h"

namespace tarvolenka {
namespace {

using testing::Game;
using testing::Games;
using testing::TempDir;
using testing::Write;

constexpr DateTime kSessionStart = 46000.5;

// The figures the statistics show must be those worked out from the whole file; the session's
// too while no trim has folded its records into the totals.
void ExpectFiguresOfTheWholeFile(HistoryFile& file, bool session) {
  const HistoryFigures figures = file.Figures();
  const HistoryLines all = file.Read();
  const StatsPair whole = ComputeStats(all.lines, kSessionStart);
  EXPECT_EQ(figures.stats.lifetime.TotalsLine(), whole.lifetime.TotalsLine());
  if (session) {
    EXPECT_EQ(figures.stats.session.TotalsLine(), whole.session.TotalsLine());
  }
  EXPECT_EQ(figures.damaged, all.damaged);
}

// Counted at once, or in the background: a history up to this size is counted at once.
class RunningTotals : public ::testing::TestWithParam<off_t> {
 protected:
  TempDir dir_;
  std::filesystem::path path_ = dir_ / kHistoryFileName;
};

TEST_P(RunningTotals, AreTheWholeFilesFiguresWithTheRecordsAppendedSince) {
  Write(path_, Games(1, 700, true));
  HistoryFile file(path_, {kHistoryKeptGames, kHistoryTrimAbove, GetParam()});
  file.FollowSession([] { return kSessionStart; });
  const std::string later = Games(701, 760, true);
  for (std::size_t at = 0, end; (end = later.find('\n', at)) != std::string::npos; at = end + 1) {
    const std::string line = later.substr(at, end - at);
    ASSERT_TRUE(file.Append(line, RecordKind(line) == "game").ok());
  }
  ASSERT_TRUE(file.Settle().ok());
  ExpectFiguresOfTheWholeFile(file, true);
  EXPECT_GT(file.Figures().damaged, 0);
  EXPECT_GT(file.Figures().stats.session.games, 0);
}

TEST_P(RunningTotals, KeepEveryGameThroughTrimsInTheBackground) {
  HistoryFile file(path_, {20, 25, GetParam()});
  file.FollowSession([] { return kSessionStart; });
  for (int n = 1; n <= 200; ++n) {
    ASSERT_TRUE(file.Append(Game(n), true).ok());
    if (n % 4 == 0) file.Append(DoubleUpLine(46001, 5, 0, {}, 1), false);
  }
  ASSERT_TRUE(file.Settle().ok());
  const HistoryLines kept = file.Read();
  ASSERT_EQ(RecordKind(kept.lines.front()), "totals");
  EXPECT_EQ(ComputeStats(kept.lines, 0).lifetime.games, 200);
  ExpectFiguresOfTheWholeFile(file, false);
  EXPECT_EQ(file.Figures().stats.session.doubleUps, 50);
}

INSTANTIATE_TEST_SUITE_P(Counted, RunningTotals, ::testing::Values(kHistoryCountAtOnceBytes, 0),
                         [](const auto& row) {
                           return row.param > 0 ? "AtOnce" : "InTheBackground";
                         });

TEST(RunningTotals, WhileCountingOrUnreadableSayWhyTheyAreNotShown) {
  const HistoryFigures counting{HistoryFigures::State::Counting, {}, 0, 37, {}};
  EXPECT_NE(DescribeFigures(counting).notice.find("37 %"), std::string::npos);
  TempDir dir;
  std::filesystem::create_directory(dir / kHistoryFileName);
  HistoryFile file(dir / kHistoryFileName);
  const StatisticsText blocked = DescribeFigures(file.Figures());
  EXPECT_NE(blocked.notice.find("не е обикновен файл, а папка"), std::string::npos);
  EXPECT_EQ(blocked.lifetime.substr(0, 8), "—\n—\n");
  std::filesystem::remove(dir / kHistoryFileName);
  ASSERT_TRUE(file.Append(Game(1), true).ok());
  EXPECT_EQ(file.Figures().stats.lifetime.games, 1);
}

}  // namespace
}  // namespace tarvolenka
