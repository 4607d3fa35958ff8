// Showing a win on the reels: the cells of the winning runs, the amount for a moment, and the
// celebration of a big win.

#include <gtest/gtest.h>

#include "core/win_show.h"
#include "tests/support/machine_fixture.h"

namespace tarvolenka {
namespace {

// Vodka (10) on the middle row of reels 1..3 and nothing else: line 1 pays a run of three.
ReelWindow VodkaOnTheMiddleRow() {
  ReelWindow w{};
  const SymbolId rows[4][5] = {
      {2, 3, 4, 7, 6}, {3, 7, 12, 2, 9}, {10, 10, 10, 1, 8}, {4, 6, 5, 11, 15}};
  for (int r = 0; r < 4; ++r)
    for (int c = 1; c <= 5; ++c) w.at(r, c) = rows[r][c - 1];
  return w;
}

TEST(WinningCells, CoverTheRunsOfTheWinningLinesInTheirColours) {
  const ReelWindow w = VodkaOnTheMiddleRow();
  WinningLineFlags flags{};
  ASSERT_GT(EvaluateLines(w, flags), 0);
  const WinningCells cells = CellsOfWinningRuns(w, flags);
  for (int reel = 1; reel <= kReels; ++reel)
    for (int row = 1; row <= 3; ++row) {
      const WinningCell& c = cells[reel - 1][row - 1];
      EXPECT_EQ(c.covered, row == 2 && reel <= 3) << reel << "," << row;
    }
  EXPECT_EQ(cells[0][1].colour, kPaylineTable[0].colour);  // the first line through it
}

TEST(WinningCells, NoWinningLineCoversNothing) {
  const WinningCells cells = CellsOfWinningRuns(VodkaOnTheMiddleRow(), WinningLineFlags{});
  for (const auto& reel : cells)
    for (const WinningCell& c : reel) EXPECT_FALSE(c.covered);
}

TEST(BigWin, StartsAtTwentyTotalStakes) {
  EXPECT_FALSE(IsBigWin(999, 50));
  EXPECT_TRUE(IsBigWin(1000, 50));
  EXPECT_FALSE(IsBigWin(1000, 0));
}

class WinOnTheReels : public MachineTest {
 protected:
  template <class Pred>
  int Count(Pred pred) {
    int n = 0;
    for (const auto& op : desk_.canvas()) n += pred(op) ? 1 : 0;
    return n;
  }
  int Banners() {
    return Count([](const auto& op) { return op.kind == testing::CanvasOp::Banner; });
  }
  int Frames() {
    return Count([](const auto& op) { return op.kind == testing::CanvasOp::Frame; });
  }
};

TEST_F(WinOnTheReels, AWinFramesItsCellsAndShowsItsAmountForAMomentOnly) {
  WaitFor(Winning);
  Click(MainEl::StartButton);
  FinishSpin();
  const WinningCells cells = CellsOfWinningRuns(m().Reels, cycle().winningLines());
  int covered = 0;
  for (const auto& reel : cells)
    for (const WinningCell& c : reel) covered += c.covered ? 1 : 0;
  desk_.ClearCanvas();
  desk_.RunFor(durations::kIdleRepaint);
  EXPECT_EQ(Frames(), covered);
  ASSERT_EQ(Banners(), 1);
  for (const auto& op : desk_.canvas())
    if (op.kind == testing::CanvasOp::Banner) {
      EXPECT_EQ(op.text, std::to_string(s().LastWin));
    }
  // Past the moment the lines take turns until the player acts; then they show together again,
  // the idle repaint rests, and a change of the display draws them once more: the frames stay
  // and the amount is gone.
  desk_.RunFor(durations::kIdleRepaint * durations::kBigWinCelebrationRepaints);
  EXPECT_TRUE(Running(MainTimer::IdleRepaint));
  Click(MainEl::SoundSwitch);
  desk_.RunFor(durations::kIdleRepaint);
  EXPECT_FALSE(Running(MainTimer::IdleRepaint));
  desk_.ClearCanvas();
  Click(MainEl::LinesMinus);
  desk_.RunFor(durations::kIdleRepaint);
  EXPECT_EQ(Frames(), covered);
  EXPECT_EQ(Banners(), 0);
  EXPECT_FALSE(Running(MainTimer::IdleRepaint));
}

// After the moment, each winning line shows on its own in turn, with its words under the reels,
// and the turns go round; a single line's picture changes only when the turn passes.
TEST_F(WinOnTheReels, AfterTheMomentEachWinningLineTakesItsTurnWithItsWords) {
  WaitFor([](const ReelWindow& w) {
    WinningLineFlags f{};
    return NoFeature(w) && EvaluateLines(w, f) > 0 && std::count(f.begin(), f.end(), 1) >= 2;
  });
  Click(MainEl::StartButton);
  FinishSpin();
  std::vector<std::size_t> lines;
  for (std::size_t i = 0; i < kPaylines; ++i)
    if (cycle().winningLines()[i] == 1) lines.push_back(i);
  const int moment = IsBigWin(s().LastWin, s().TotalStake) ? durations::kBigWinCelebrationRepaints
                                                           : durations::kWinBannerRepaints;
  desk_.RunFor(durations::kIdleRepaint * moment - 1);
  EXPECT_FALSE(desk_.Visible(Ref(MainEl::WinLineCaption)));
  std::int64_t paid = 0;
  for (std::size_t turn = 0; turn <= lines.size(); ++turn) {
    desk_.ClearCanvas();
    desk_.RunFor(durations::kIdleRepaint * durations::kWinLineRepaints);
    const std::size_t line = lines[turn % lines.size()];
    ASSERT_TRUE(desk_.Visible(Ref(MainEl::WinLineCaption)));
    EXPECT_EQ(Text(MainEl::WinLineCaption), WinningLineText(m().Reels, line, s().LineStake));
    EXPECT_EQ(Count([](const auto& op) { return op.kind == testing::CanvasOp::Line; }), 1);
    EXPECT_EQ(Banners(), 0);
    if (turn < lines.size()) {
      const LineSymbols symbols = SymbolsOnLine(m().Reels, kPaylineTable[line]);
      paid += LinePay(symbols) * s().LineStake;
    }
  }
  EXPECT_EQ(paid, s().LastWin);  // the lines' words add up to the win
  Click(MainEl::SoundSwitch);
  EXPECT_FALSE(desk_.Visible(Ref(MainEl::WinLineCaption)));
}

TEST(WinningLineText, NamesTheLineTheRunAndItsPayAtTheStake) {
  EXPECT_EQ(WinningLineText(VodkaOnTheMiddleRow(), 0, 5),
            "Линия 1: 3 × водка = " + std::to_string(kPayTable[10][3] * 5));
}

TEST_F(WinOnTheReels, OnlyABigWinIsCelebrated) {
  WaitFor(Winning);
  Click(MainEl::StartButton);
  FinishSpin();
  desk_.ClearCanvas();
  desk_.RunFor(durations::kIdleRepaint);
  const bool big = IsBigWin(s().LastWin, s().TotalStake);
  for (const auto& op : desk_.canvas())
    if (op.kind == testing::CanvasOp::Banner) {
      EXPECT_EQ(op.celebration > 0, big);
    }
}

TEST_F(WinOnTheReels, ANewSpinClearsTheMarks) {
  WaitFor(Winning);
  Click(MainEl::StartButton);
  FinishSpin();
  s().Balance = 30000;
  Click(MainEl::StartButton);
  desk_.ClearCanvas();
  desk_.RunFor(50);
  EXPECT_EQ(Frames(), 0);
  EXPECT_EQ(Banners(), 0);
}

}  // namespace
}  // namespace tarvolenka
