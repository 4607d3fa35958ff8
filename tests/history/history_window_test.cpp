// The history and statistics windows: the games they list and redraw are the games played, and
// the figures they show are those of the history, beside the machine's exact return.

#include <algorithm>
#include <fstream>

#include "history/history_words.h"
#include "history/json_reader.h"
#include "history/past_game.h"
#include "history/statistics_window.h"
#include "tests/support/machine_fixture.h"

namespace tarvolenka {
namespace {

class HistoryWindows : public MachineTest {
 protected:
  void SetUp() override {
    game_ = std::make_unique<Game>(desk_, dir_ / kSaveFileName,
                                   [this](int lines, int stake) -> std::optional<double> {
                                     asked_.emplace_back(lines, stake);
                                     return 96.4;
                                   });
    game_->main().SetBonusStep(nullptr);
    desk_.Start();
  }
  void Spin() {
    Click(MainEl::StartButton);
    desk_.RunUntil([this] { return m().StartEnabled == 1; }, 600000);
  }
  // Opens the history with its key, runs `inside` while it shows, then closes it.
  void InHistory(const std::function<void()>& inside) {
    desk_.Then(10, [this, inside] {
      inside();
      desk_.CloseByWindowSystem(WindowId::History);
    });
    ASSERT_EQ(desk_.Press(Key::H), testing::ClickResult::Handled);
    EXPECT_FALSE(desk_.IsShown(WindowId::History));
  }
  std::vector<testing::CanvasOp> DrawnOnHistory() const {
    std::vector<testing::CanvasOp> ops;
    for (const testing::CanvasOp& op : desk_.canvas())
      if (op.surface == Ref(HistoryEl::Reels)) ops.push_back(op);
    return ops;
  }
  std::vector<std::pair<int, int>> asked_;
};

TEST_F(HistoryWindows, AGameIsRedrawnWithItsSymbolsItsLinesAndItsMarkedCells) {
  WaitFor(Winning);
  Spin();
  const ReelWindow won = m().Reels;
  const WinningLineFlags winning = cycle().winningLines();
  WaitFor(Losing);
  Spin();
  InHistory([&] {
    EXPECT_EQ(game_->history().games().size(), 2u);
    EXPECT_NE(desk_.Text(Ref(HistoryRow(0))).find("без печалба"), std::string::npos);
    desk_.ClearCanvas();
    desk_.Click(Ref(HistoryRow(1)));
    EXPECT_EQ(game_->history().selected(), 1);
    const auto ops = DrawnOnHistory();
    std::vector<Picture> cells;
    int lines = 0, frames = 0;
    for (const auto& op : ops) {
      if (op.kind == testing::CanvasOp::Cell) cells.push_back(op.picture);
      lines += op.kind == testing::CanvasOp::Line ? 1 : 0;
      frames += op.kind == testing::CanvasOp::Frame ? 1 : 0;
    }
    std::vector<Picture> expected;
    for (int row = 1; row <= 3; ++row)
      for (int reel = 1; reel <= kReels; ++reel)
        expected.push_back(SpecOf(Ref(SymbolPicture(won.at(row, reel)))).picture);
    EXPECT_EQ(cells, expected);
    EXPECT_EQ(lines, std::count(winning.begin(), winning.end(), 1));
    int covered = 0;
    for (const auto& reel : CellsOfWinningRuns(won, winning))
      for (const WinningCell& c : reel) covered += c.covered ? 1 : 0;
    EXPECT_EQ(frames, covered);
    EXPECT_NE(desk_.Text(Ref(HistoryEl::Details)).find(" на линия"), std::string::npos);
  });
}

TEST_F(HistoryWindows, ArrowsWalkTheGamesAndTheFreeSpinsOfOne) {
  WaitFor(Scatters(3));
  Spin();
  desk_.RunUntil([this] { return cycle().freeSpins() == 0 && m().StartEnabled == 1; }, 6000000);
  WaitFor(Losing);
  Spin();
  InHistory([&] {
    EXPECT_FALSE(desk_.Visible(Ref(HistoryEl::NextSpin)));  // the newest game has one spin
    const auto faded = [this](HistoryEl button) {
      return desk_.State(Ref(button)).colour == build::kWoodButtonSpent;
    };
    EXPECT_TRUE(faded(HistoryEl::NewerButton));  // nothing newer than the newest
    EXPECT_FALSE(faded(HistoryEl::OlderButton));
    desk_.Press(Key::Down);
    ASSERT_EQ(game_->history().selected(), 1);
    EXPECT_FALSE(faded(HistoryEl::NewerButton));
    EXPECT_TRUE(faded(HistoryEl::OlderButton));  // the oldest of the two
    const PastGame& freeGame = game_->history().games()[1];
    ASSERT_GE(freeGame.spins.size(), 11u);
    for (std::size_t i = 1; i < freeGame.spins.size(); ++i) desk_.Press(Key::Right);
    EXPECT_EQ(game_->history().spin(), static_cast<int>(freeGame.spins.size()) - 1);
    EXPECT_FALSE(desk_.Visible(Ref(HistoryEl::NextSpin)));
    EXPECT_NE(desk_.Text(Ref(HistoryEl::SpinText)).find("Безплатно"), std::string::npos);
    desk_.Press(Key::Up);
    EXPECT_EQ(game_->history().selected(), 0);
    EXPECT_EQ(game_->history().spin(), 0);
  });
}

TEST_F(HistoryWindows, OpensOnlyWithTheControlsEnabledAndPausesAutoPlay) {
  Click(MainEl::StartButton);
  ASSERT_TRUE(Spinning());
  desk_.Press(Key::H);
  EXPECT_FALSE(desk_.IsShown(WindowId::History));
  FinishSpin();
  WaitFor(NoFeature);
  Click(MainEl::AutoPlayBox);  // spins at once, then waits for the next
  FinishSpin();
  desk_.RunFor(1000);
  ASSERT_TRUE(Running(MainTimer::AutoPlay));
  desk_.Then(5000, [this] {
    EXPECT_FALSE(Running(MainTimer::AutoPlay));
    EXPECT_FALSE(Spinning());
    desk_.CloseByWindowSystem(WindowId::History);
  });
  Click(MainEl::HistoryButton);
  EXPECT_TRUE(Running(MainTimer::AutoPlay));
}

TEST_F(HistoryWindows, StatisticsShowTheHistorysFiguresAndTheExactReturnForTheLinesPlayed) {
  for (int i = 0; i < 3; ++i) {
    WaitFor(i == 1 ? Winning : Losing);
    Spin();
  }
  Click(MainEl::LinesMinus);
  InHistory([&] {
    desk_.Press(Key::S);
    ASSERT_TRUE(desk_.IsShown(WindowId::Statistics));
    const StatsPair stats = ComputeStats(game_->historyFile().Read().lines, form().sessionStart());
    ASSERT_EQ(stats.session.games, 3);
    const StatisticsText text = DescribeStats(stats);
    EXPECT_EQ(desk_.Text(Ref(StatisticsEl::Lifetime)), text.lifetime);
    EXPECT_EQ(desk_.Text(Ref(StatisticsEl::Session)), text.session);
    EXPECT_EQ(text.lifetime.substr(0, 2), "3\n");
    const std::string won = "\n" + std::to_string(stats.session.won) + "\n";
    EXPECT_NE(text.session.find(won), std::string::npos);
    desk_.Click(Ref(StatisticsEl::CloseButton));
    EXPECT_FALSE(desk_.IsShown(WindowId::Statistics));
    desk_.Click(Ref(HistoryEl::CloseButton));  // and the history closes by its own button too
    EXPECT_FALSE(desk_.IsShown(WindowId::History));
  });
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0], std::pair(s().LineCount, s().LineStake));
  EXPECT_NE(desk_.Text(Ref(StatisticsEl::MachineReturn)).find("96,40 %"), std::string::npos);
}

TEST(StatisticsCard, ShadesOneBandPerFigureAndHoldsThemAll) {
  const std::string names = DescribeStats({}).names;
  EXPECT_EQ(std::count(names.begin(), names.end(), '\n'), statistics_window::kFigureRows);
  const Rect card = statistics_window::kFiguresCard;
  const Rect shown = SpecOf(Ref(StatisticsEl::Names)).rect;
  EXPECT_LE(shown.Bottom(), card.Bottom());
  EXPECT_LE(card.Bottom(), SpecOf(Ref(StatisticsEl::Notice)).rect.top);
}

TEST_F(HistoryWindows, AnEmptyOrDamagedHistorySaysSoAndListsOnlyWholeGames) {
  InHistory([&] { EXPECT_TRUE(desk_.Visible(Ref(HistoryEl::EmptyNotice))); });
  WaitFor(Losing);
  Spin();
  std::ofstream(dir_ / kHistoryFileName, std::ios::app)
      << "{\"version\":1,\"kind\":\"game\",\"spins\":[{\"cells\":[99]}]}\n{\"version\":1,\n";
  InHistory([&] {
    EXPECT_FALSE(desk_.Visible(Ref(HistoryEl::EmptyNotice)));
    EXPECT_EQ(game_->history().games().size(), 1u);
    EXPECT_FALSE(desk_.Visible(Ref(HistoryRow(1))));
  });
}

TEST(PastGames, AGameKeptUnderWayReadsBackWithItsBeginningAndSpinsToGoOnFrom) {
  GameRecord g;
  g.start = MakeDateTime(2026, 12, 9, 21, 5, 7) + 1e-7;
  g.lineCount = 20;
  g.lineStake = 5;
  g.level = 3;
  g.stake = 100;
  g.balanceBefore = 5'000;
  SpinRecord paid;
  paid.cells.fill(2);
  SpinRecord free = paid;
  free.free = true;
  g.spins = {paid, free};
  const std::optional<GameRecord> back = ParseOpenGame(GameLine(g, 4'900, true));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->start, g.start);
  EXPECT_EQ(back->lineCount, 20);
  EXPECT_EQ(back->lineStake, 5);
  EXPECT_EQ(back->level, 3);
  EXPECT_EQ(back->stake, 100);
  EXPECT_EQ(back->balanceBefore, 5'000);
  ASSERT_EQ(back->spins.size(), 2u);
  EXPECT_TRUE(back->spins[1].free);
  EXPECT_FALSE(ParseOpenGame(AwardLine("level_up", g.start, 100, 4, 107)));
}

TEST(PastGames, ReadBackAsWrittenWithTheDoubleUpOnTheGameBeforeIt) {
  GameRecord g;
  g.start = MakeDateTime(2026, 12, 9, 21, 5, 7);
  g.lineCount = 50;
  g.lineStake = 10;
  g.stake = 500;
  g.balanceBefore = 9'000'000'000'000'000'000;
  SpinRecord spin;
  for (std::size_t i = 0; i < spin.cells.size(); ++i) spin.cells[i] = SymbolId(1 + i % 15);
  spin.wins = {{1, 10, 3, 2, 800}, {20, 10, 3, 2, 800}};
  spin.bonusPlayed = true;
  spin.bonus = {2, 3, 1, {{"meze", 1, 3, 30}, {"meze", 2, 5, 0}}, 300};
  g.spins = {spin};
  const std::vector<std::string> lines{
      GameLine(g, g.balanceBefore + 1130),
      DoubleUpLine(g.start + 0.0001, 1630, 3260, {{1, 1, false}}, 1),
      GameLine(g, 7),
      AwardLine("level_up", g.start, 100, 4, 107),
  };
  const std::vector<PastGame> games = RecentGames(lines, 100);
  ASSERT_EQ(games.size(), 2u);
  EXPECT_FALSE(games[0].doubleUp);
  ASSERT_TRUE(games[1].doubleUp);
  EXPECT_EQ(games[1].doubleUp->collected, 3260);
  EXPECT_EQ(games[1].balanceAfter, 9'000'000'000'000'001'130);
  EXPECT_EQ(games[1].timeText, "2026-12-09 21:05:07");
  const SpinRecord& back = games[1].spins[0];
  EXPECT_EQ(back.cells, spin.cells);
  ASSERT_EQ(back.wins.size(), 2u);
  EXPECT_EQ(back.wins[1].line, 20);
  EXPECT_EQ(back.wins[1].factor, 2);
  ASSERT_EQ(back.bonus.picks.size(), 2u);
  EXPECT_STREQ(back.bonus.picks[1].stage, "meze");
  EXPECT_EQ(back.bonus.picks[1].row, 2);
  EXPECT_EQ(RecentGames(lines, 1).size(), 1u);

  const std::string words = SpinDetails(games[1], 0);
  EXPECT_NE(words.find("3 × водка с множител ×2 на линии 1, 20: 2 × 800 = 1600"), std::string::npos)
      << words;
  EXPECT_NE(words.find("ред 2, мезе 5 → нула. Изплатени 300 = 30 × 10 на линия."),
            std::string::npos)
      << words;
  EXPECT_NE(words.find("водка, излезе водка ✓. Прибрани 3260."), std::string::npos) << words;
}

TEST(HistoryStats, AnEditedHistoryOfHugeWinsSaturatesRatherThanWrapping) {
  const std::string line =
      R"({"version":1,"kind":"game","t":46365.5,"stake":1,"won":7277124529082131341,)"
      R"("spins":[{"bonus":{"bonus_kind":1,"bonus_paid":7277124529082131341}}]})";
  const StatsPair stats = ComputeStats({line, line}, 0);
  EXPECT_EQ(stats.lifetime.won, INT64_MAX);
  EXPECT_EQ(stats.lifetime.bonusPaid[1], INT64_MAX);
  EXPECT_EQ(stats.lifetime.credited(), INT64_MAX);
}

TEST(JsonReader, RejectsWhatIsNotOneWholeValue) {
  for (const char* bad :
       {"", "{", "{\"a\":1,}", "[1 2]", "{\"a\":1} x", "{\"a\":--1}",
        "[[[[[[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]]]]]]", "{\"a\":99999999999999999999}"})
    EXPECT_FALSE(ParseJson(bad)) << bad;
  const auto v = ParseJson(R"({"a":-9223372036854775808,"b":[true,null,"x\"y"],"c":1.5})");
  ASSERT_TRUE(v);
  EXPECT_EQ(v->Int("a"), INT64_MIN);
  EXPECT_EQ(v->Items("b")[2].text, "x\"y");
  EXPECT_EQ(v->Int("c", -1), -1);
}

}  // namespace
}  // namespace tarvolenka
