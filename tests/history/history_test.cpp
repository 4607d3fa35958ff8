// The player's record: every game lands in the history beside the save with its symbols and
// pays, a failed write never stops play, damaged lines are skipped and trimming keeps the sums.

#include <fstream>
#include <stop_token>

#include "core/game_record.h"
#include "history/history_file.h"
#include "history/history_stats.h"
#include "history/history_trim.h"
#include "tests/history/sample_history.h"
#include "tests/support/machine_fixture.h"

namespace tarvolenka {
namespace {

class History : public MachineTest {
 protected:
  std::vector<std::string> Lines() { return game_->historyFile().Read().lines; }
  void Spin() {
    Click(MainEl::StartButton);
    desk_.RunUntil([this] { return m().StartEnabled == 1; }, 600000);
  }
};

TEST_F(History, APaidSpinIsOneGameWithItsSymbolsStakeAndPay) {
  WaitFor(Winning);
  const std::int64_t before = s().Balance;
  Spin();
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 1u);
  const std::string& g = lines[0];
  EXPECT_EQ(RecordKind(g), "game");
  EXPECT_EQ(RecordNumber(g, "version"), kHistoryVersion);
  EXPECT_EQ(RecordNumber(g, "stake"), s().TotalStake);
  EXPECT_EQ(RecordNumber(g, "won"), s().LastWin);
  EXPECT_GT(s().LastWin, 0);
  EXPECT_EQ(RecordNumber(g, "balance_before"), before);
  EXPECT_EQ(RecordNumber(g, "balance_after"), s().Balance);
  std::string cells;
  for (int row = 1; row <= 3; ++row) {
    for (int reel = 1; reel <= kReels; ++reel) {
      cells += (cells.empty() ? "" : ",") + std::to_string(m().Reels.at(row, reel));
    }
  }
  EXPECT_NE(g.find("\"cells\":[" + cells + "]"), std::string::npos) << g;
  EXPECT_NE(g.find("\"pay\":"), std::string::npos);
}

TEST_F(History, FreeSpinsBelongToTheGameThatWonThem) {
  WaitFor(Scatters(3));
  Spin();
  desk_.RunUntil([this] { return cycle().freeSpins() == 0 && m().StartEnabled == 1; }, 6000000);
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(RecordNumber(lines[0], "free_spins_won").value_or(0) % 10, 0);
  EXPECT_GE(RecordNumber(lines[0], "free_spins_won").value_or(0), 10);
  std::size_t spins = 0;
  for (std::size_t at = lines[0].find("\"cells\""); at != std::string::npos;
       at = lines[0].find("\"cells\"", at + 1)) {
    ++spins;
  }
  EXPECT_EQ(static_cast<std::int64_t>(spins), 1 + *RecordNumber(lines[0], "free_spins_won"));
}

TEST_F(History, AFailedWriteShowsTheNoticeAndPlayGoesOn) {
  std::filesystem::create_directory(dir_ / kHistoryFileName);
  WaitFor(Losing);
  Spin();
  EXPECT_TRUE(desk_.Visible(Ref(MainEl::SaveNotice)));
  EXPECT_EQ(m().StartEnabled, 1);
  std::filesystem::remove(dir_ / kHistoryFileName);
  Spin();
  EXPECT_FALSE(desk_.Visible(Ref(MainEl::SaveNotice)));
  EXPECT_EQ(Lines().size(), 1u);
}

TEST(HistoryWithoutSave, AMachineWithoutASaveKeepsNoRecord) {
  testing::TempDir dir;
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  testing::VirtualDesktop desk{MakeDateTime(2026, 12, 8, 10, 0, 0)};
  Game game(desk, "");
  desk.Start();
  desk.Click(Ref(MainEl::StartButton));
  desk.RunUntil([&] { return game.machine().StartEnabled == 1; }, 6000000);
  std::filesystem::current_path(cwd);
  EXPECT_FALSE(game.historyFile().keeps());
  EXPECT_TRUE(game.machine().Record.spins.empty());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

std::string GameOf(std::int64_t stake, std::int64_t won, DateTime t) {
  GameRecord g;
  g.start = t;
  g.stake = stake;
  SpinRecord spin;
  spin.wins.push_back({1, 10, 5, 1, won});
  g.spins.push_back(spin);
  return GameLine(g, 0);
}

TEST_F(History, ThisSessionBeginsWithItsFirstRecord) {
  HistoryFile(dir_ / kHistoryFileName).Append(GameOf(70, 0, MakeDateTime(2026, 12, 7)), true);
  EXPECT_EQ(ComputeStats(Lines(), form().sessionStart()).session.games, 0);
  Spin();
  desk_.RunUntil([this] { return cycle().freeSpins() == 0 && m().StartEnabled == 1; }, 6000000);
  const StatsPair stats = ComputeStats(Lines(), form().sessionStart());
  EXPECT_EQ(stats.lifetime.games, 2);
  EXPECT_EQ(stats.session.games, 1);
  EXPECT_EQ(stats.session.staked, s().TotalStake);
}

TEST(HistoryFile, SkipsAndCountsDamagedLines) {
  testing::TempDir dir;
  HistoryFile file(dir / kHistoryFileName);
  ASSERT_TRUE(file.Append(GameOf(10, 0, 46000.5), true));
  {
    std::ofstream(file.path(), std::ios::app) << "{\"version\":1,\"kind\":\"game\",\"t\":4\n"
                                              << "garbage\n";
  }
  ASSERT_TRUE(file.Append(GameOf(10, 20, 46000.6), true));
  const HistoryLines read = file.Read();
  EXPECT_EQ(read.lines.size(), 2u);
  EXPECT_EQ(read.damaged, 2);
}

// A write the kernel ends early when the process is killed leaves part of a record, cut at
// any byte. It is no damage, and the next run drops it; a whole record lacking only its line
// end is kept and ended, so it does not swallow the record that follows.
TEST(HistoryFile, AnAppendCutShortAtAnyByteIsDroppedAndNeverCountedAsDamage) {
  const std::string whole = GameOf(10, 0, 46000.5);
  for (std::size_t cut = 1; cut <= whole.size(); ++cut) {
    SCOPED_TRACE("cut after byte " + std::to_string(cut));
    testing::TempDir dir;
    std::ofstream(dir / kHistoryFileName) << whole << '\n' << whole.substr(0, cut);
    const bool keptWhole = cut == whole.size();
    {
      HistoryFile killed(dir / kHistoryFileName);
      EXPECT_EQ(killed.Read().damaged, 0);
      EXPECT_EQ(killed.Figures().damaged, 0);
      EXPECT_EQ(killed.Figures().stats.lifetime.games, keptWhole ? 2 : 1);
    }
    HistoryFile next(dir / kHistoryFileName);
    ASSERT_TRUE(next.Append(GameOf(20, 0, 46000.6), true));
    const HistoryLines read = next.Read();
    EXPECT_EQ(read.damaged, 0);
    ASSERT_EQ(read.lines.size(), keptWhole ? 3u : 2u);
    EXPECT_EQ(RecordNumber(read.lines.back(), "stake"), 20);
  }
}

TEST(HistoryFile, TrimmingKeepsTheLastGamesAndTheSumsOfTheRest) {
  testing::TempDir dir;
  HistoryFile file(dir / kHistoryFileName);
  for (int i = 1; i <= 6; ++i) {
    ASSERT_TRUE(file.Append(GameOf(10 * i, i % 2 == 0 ? 100 * i : 0, 46000 + i / 1000.0), true));
  }
  ASSERT_TRUE(file.Append(AwardLine("level_up", 46000.01, 4000, 2, 0), false));
  const StatsPair before = ComputeStats(file.Read().lines, 0);
  ASSERT_TRUE(file.Trim(4));
  ASSERT_TRUE(file.Trim(2));  // a second trim folds the first totals in
  const HistoryLines after = file.Read();
  ASSERT_EQ(after.lines.size(), 4u);
  EXPECT_EQ(RecordKind(after.lines[0]), "totals");
  EXPECT_EQ(RecordNumber(after.lines[2], "stake"), 60);
  const HistoryStats kept = ComputeStats(after.lines, 0).lifetime;
  EXPECT_EQ(kept.TotalsLine(), before.lifetime.TotalsLine());
  EXPECT_EQ(kept.games, 6);
  EXPECT_EQ(kept.won, 1200);
  EXPECT_EQ(kept.biggestWin, 600);
}

// Its landing with what was appended meanwhile is proved under SIGKILL in the history kill test.
TEST(HistoryFile, ATrimmedCopyStoppedOutdatedOrWrittenOverLeavesTheHistoryAsItWas) {
  testing::TempDir dir;
  const std::filesystem::path path = dir / kHistoryFileName;
  testing::Write(path, testing::Games(1, 30));
  const OpenedFile history = OpenForReading(path, LinkRule::Refuse);
  const auto prepare = [&](const std::stop_token& stop) {
    return PrepareTrim(path, history.fd.get(), history.size, 10, stop);
  };
  std::stop_source stopped;
  stopped.request_stop();
  EXPECT_FALSE(prepare(stopped.get_token()).result.ok());
  const PreparedTrim written = prepare({});
  testing::Write(written.temporary, testing::Games(1, 2));  // another write under the copy's name
  EXPECT_FALSE(FinishTrim(path, written).result.ok());
  EXPECT_EQ(HistoryFile(path).Read().lines.size(), 30u);
  const PreparedTrim outdated = prepare({});
  testing::Write(path, testing::Games(1, 3));  // shorter than the file the copy was made from
  EXPECT_FALSE(FinishTrim(path, outdated).result.ok());
  EXPECT_EQ(HistoryFile(path).Read().lines.size(), 3u);
  EXPECT_FALSE(std::filesystem::exists(path.string() + ".new"));
}

TEST(HistoryStats, SessionCountsOnlyRecordsFromItsStart) {
  const std::vector<std::string> lines{GameOf(10, 0, 46000.0), GameOf(20, 50, 46001.0),
                                       GameOf(30, 0, 46001.001)};
  const StatsPair s = ComputeStats(lines, 46001.0);
  EXPECT_EQ(s.lifetime.staked, 60);
  EXPECT_EQ(s.session.staked, 50);
  EXPECT_EQ(s.session.games, 2);
  EXPECT_EQ(s.session.winningGames, 1);
  EXPECT_EQ(s.session.secondsPlayed, 86);  // 0.001 day, within a sitting
  EXPECT_DOUBLE_EQ(s.session.returnPercent(), 100.0);
}

TEST(HistoryFormat, LocalTimesReadAsCalendarDates) {
  EXPECT_EQ(FormatLocal(MakeDateTime(2026, 12, 8, 22, 56, 40)), "2026-12-08 22:56:40");
  EXPECT_EQ(FormatLocal(MakeDateTime(2000, 2, 29, 0, 0, 1)), "2000-02-29 00:00:01");
  EXPECT_EQ(FormatLocal(MakeDateTime(1899, 12, 30)), "1899-12-30 00:00:00");
}

}  // namespace
}  // namespace tarvolenka
