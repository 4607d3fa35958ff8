#include <gtest/gtest.h>

#include <set>

#include "game/game.h"
#include "tests/support/temp_dir.h"
#include "tests/support/virtual_desktop.h"

namespace tarvolenka {
namespace {

using testing::TempDir;
using testing::VirtualDesktop;

class StartUp : public ::testing::Test {
 protected:
  std::filesystem::path save() const { return dir_ / kSaveFileName; }
  void Launch() {
    game_ = std::make_unique<Game>(desk_, save());
    desk_.Start();
  }
  Machine& m() { return game_->machine(); }
  SpinCycle& cycle() { return game_->main().cycle(); }
  const std::string& Text(MainEl e) { return desk_.Text(Ref(e)); }

  TempDir dir_;
  VirtualDesktop desk_{MakeDateTime(2026, 12, 8, 14, 30, 15, 250)};
  std::unique_ptr<Game> game_;
};

TEST_F(StartUp, AFirstStartCreatesANewGameAndShowsItsCounters) {
  Launch();
  const auto bytes = testing::ReadFileBytes(save());
  ASSERT_EQ(bytes.size(), 120u);
  SaveBytes expected = Encode(NewGameState(desk_.NowLocal()));
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), expected.begin()));
  EXPECT_EQ(Text(MainEl::CreditCounter), "30000");
  EXPECT_EQ(Text(MainEl::WinCounter), "0");
  EXPECT_EQ(Text(MainEl::LinesCounter), "50");
  EXPECT_EQ(Text(MainEl::LineStakeCounter), "1");
  EXPECT_EQ(Text(MainEl::TotalStakeCounter), "50");
  EXPECT_EQ(Text(MainEl::LevelNumber), "1");
  EXPECT_EQ(Text(MainEl::ExperienceText), "0  /  20000");
  EXPECT_EQ(desk_.PictureOf(Ref(MainEl::SoundSwitch)), Picture::SoundOn);
  EXPECT_EQ(desk_.PictureOf(Ref(MainEl::BonusStage)), Picture::BonusStage0);
  EXPECT_FALSE(desk_.Visible(Ref(MainEl::FreeSpinsCounter)));
}

TEST_F(StartUp, FillsTheReelsWithoutZeroOrRepeatAndDrawsThemAtRest) {
  Launch();
  for (int reel = 1; reel <= kReels; ++reel) {
    std::set<int> column;
    for (int row = 0; row < kRows; ++row) {
      EXPECT_NE(m().Reels.at(row, reel), 0);
      column.insert(m().Reels.at(row, reel));
      // Each cell buffer holds its symbol's picture.
      EXPECT_EQ(desk_.PictureOf(Ref(ReelCell(reel, row))),
                desk_.PictureOf(Ref(SymbolPicture(m().Reels.at(row, reel)))));
    }
    EXPECT_EQ(column.size(), 4u);
    EXPECT_EQ(game_->main().spin().reelOffsets()[static_cast<std::size_t>(reel - 1)], -125);
  }
}

TEST_F(StartUp, DrawReelsAtRestPaintsRowsOneToThreeAndNothingOfRowZero) {
  Launch();
  desk_.ClearCanvas();
  game_->main().DrawReels();
  const auto& ops = desk_.canvas();
  ASSERT_EQ(ops.size(), 15u);  // the 5 row-0 copies are clipped away entirely
  std::set<std::pair<int, int>> cells;
  for (const auto& op : ops) {
    EXPECT_EQ(op.clipped.width, 125);
    EXPECT_EQ(op.clipped.height, 125);
    cells.insert({op.clipped.left, op.clipped.top});
    EXPECT_NE(op.cell, Ref(ReelCell(1, 0)));
  }
  for (int reel = 1; reel <= 5; ++reel)
    for (int row = 1; row <= 3; ++row)
      EXPECT_TRUE(cells.count({125 * (reel - 1), 125 * (row - 1)})) << reel << "," << row;
}

TEST_F(StartUp, ControlsAreActiveButTheDoubleUpIsGreyEvenWithASavedWin) {
  GameState s = NewGameState(desk_.NowLocal());
  s.LastWin = 750;
  SaveFile(save()).Write(Encode(s));
  Launch();
  EXPECT_EQ(Text(MainEl::WinCounter), "750");
  EXPECT_EQ(m().DoubleEnabled, 0);
  EXPECT_EQ(desk_.PictureOf(Ref(MainEl::DoubleButton)), Picture::ButtonDoubleGrey);
  EXPECT_EQ(m().StartEnabled, 1);
  EXPECT_EQ(desk_.PictureOf(Ref(MainEl::StartButton)), Picture::ButtonStart);
  EXPECT_EQ(m().StakePlusEnabled, 1);
}

TEST_F(StartUp, ASavedStakeAtTheLevelMaximumGreysStakePlus) {
  GameState s = NewGameState(desk_.NowLocal());
  s.LineStake = 10;
  s.StakeStep = 4;
  SaveFile(save()).Write(Encode(s));
  Launch();
  EXPECT_EQ(m().StakePlusEnabled, 0);
  EXPECT_EQ(desk_.PictureOf(Ref(MainEl::StakePlus)), Picture::ArrowPlusGrey);
  EXPECT_EQ(Text(MainEl::TotalStakeCounter), "500");
}

TEST_F(StartUp, RecomputesDerivedFieldsThatDisagree) {
  GameState s = NewGameState(desk_.NowLocal());
  s.LineCount = 20;
  s.LineStake = 2;
  s.TotalStake = 999;
  s.Level = 3;
  s.MaxLineStake = 7;
  SaveFile(save()).Write(Encode(s));
  Launch();
  EXPECT_EQ(m().State.TotalStake, 40);
  EXPECT_EQ(m().State.MaxLineStake, 30);
  EXPECT_EQ(Text(MainEl::TotalStakeCounter), "40");
}

TEST_F(StartUp, ADamagedFieldIsRepairedWhileTheCreditSurvives) {
  GameState s = NewGameState(desk_.NowLocal());
  s.Balance = 987654;
  s.Experience = 4321;
  s.LineCount = 0;
  SaveFile(save()).Write(Encode(s));
  Launch();
  EXPECT_EQ(m().State.LineCount, 1);
  EXPECT_EQ(Text(MainEl::CreditCounter), "987654");
  EXPECT_EQ(m().State.Experience, 4321);
}

TEST_F(StartUp, AShortFileKeepsWhatItHoldsAndAnEmptyOrAllZeroFileStartsANewGame) {
  GameState saved = NewGameState(desk_.NowLocal());
  saved.Balance = 987654;
  saved.Level = 7;
  const SaveBytes bytes = Encode(saved);
  for (std::size_t size : {119u, 12u}) {
    testing::WriteFileBytes(save(),
                            std::vector<unsigned char>(bytes.begin(), bytes.begin() + size));
    VirtualDesktop desk;
    Game game(desk, save());
    desk.Start();
    EXPECT_EQ(game.machine().State.Balance, 987654) << size;
    EXPECT_EQ(game.machine().State.Level, size == 119u ? 7 : 1) << size;  // cut off at 12
  }
  for (std::size_t size : {0u, 120u}) {
    testing::WriteFileBytes(save(), std::vector<unsigned char>(size, 0));
    VirtualDesktop desk;
    Game game(desk, save());
    desk.Start();
    EXPECT_EQ(game.machine().State.Balance, 30000) << size;
    EXPECT_EQ(game.machine().State.Level, 1) << size;
    EXPECT_EQ(testing::ReadFileBytes(save()).size(), 120u) << size;
  }
}

TEST_F(StartUp, ASavedBonusStageAboveFiveShowsStageZeroAndIsSavedBackAsZero) {
  GameState s = NewGameState(desk_.NowLocal());
  s.BonusStage = 7;
  SaveFile(save()).Write(Encode(s));
  Launch();
  EXPECT_EQ(desk_.PictureOf(Ref(MainEl::BonusStage)), Picture::BonusStage0);
  desk_.Close(WindowId::Main);
  EXPECT_EQ(testing::ReadFileBytes(save())[96], 0);
}

TEST_F(StartUp, SeedsTheGeneratorFromTheUtcTimeOfDay) {
  Launch();
  // Start-up seeds with 14:30:15.250 in milliseconds, then draws the fill: replaying the fill
  // from that seed gives the same reels.
  Random r;
  r.Seed(ClockSeed(14, 30, 15, 250));
  ReelWindow expected;
  for (int i = 0; i < 4; ++i) AdvanceReels(expected, ReelFlags{1, 1, 1, 1, 1}, r);
  EXPECT_EQ(m().Reels, expected);
}

TEST_F(StartUp, ClosingTheMainWindowSavesTheState) {
  Launch();
  m().State.Balance = 41234;
  desk_.Close(WindowId::Main);
  EXPECT_EQ(Decode(*SaveFile(save()).Read()).Balance, 41234);
}

TEST_F(StartUp, IdleRepaintRedrawsReelsAndWinningLinesEvery300Ms) {
  Launch();
  WinningLineFlags first{};
  first[0] = 1;
  cycle().ShowLines(first);
  desk_.ClearCanvas();
  desk_.RunFor(299);
  EXPECT_TRUE(desk_.canvas().empty());
  desk_.RunFor(1);
  // Reels, the frames round the cells of line 1's run, then line 1 on top.
  int cells = 0, frames = 0;
  for (const auto& op : desk_.canvas()) {
    cells += op.kind == testing::CanvasOp::Cell ? 1 : 0;
    frames += op.kind == testing::CanvasOp::Frame ? 1 : 0;
  }
  EXPECT_EQ(cells, 15);
  EXPECT_EQ(frames, RunOnLine(SymbolsOnLine(m().Reels, kPaylineTable[0])).length);
  ASSERT_EQ(desk_.canvas().size(), static_cast<std::size_t>(cells + frames + 1));
  EXPECT_EQ(desk_.canvas().back().kind, testing::CanvasOp::Line);
  EXPECT_EQ(desk_.canvas().back().colour, (Rgb{0xFF, 0, 0}));
  EXPECT_EQ(desk_.canvas().back().width, 5);
  EXPECT_EQ(desk_.canvas().back().points,
            (std::vector<Point>{
                {10, 187}, {62, 187}, {187, 187}, {312, 187}, {437, 187}, {562, 187}, {615, 187}}));
}

}  // namespace
}  // namespace tarvolenka
