// Showing a win on the reels: the cells of the winning runs, the amount for a moment, and the
// celebration of a big win.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

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

struct TierCase {
  const char* name;
  std::int64_t win, totalStake;
  int tier;
};
class BigWinTiers : public ::testing::TestWithParam<TierCase> {};
TEST_P(BigWinTiers, GoByMultiplesOfTheTotalStake) {
  EXPECT_EQ(BigWinTier(GetParam().win, GetParam().totalStake), GetParam().tier);
}
INSTANTIATE_TEST_SUITE_P(
    Stakes, BigWinTiers,
    ::testing::Values(TierCase{"JustUnderTwenty", 999, 50, 0}, TierCase{"Twenty", 1000, 50, 1},
                      TierCase{"JustUnderFifty", 2499, 50, 1}, TierCase{"Fifty", 2500, 50, 2},
                      TierCase{"OneHundred", 5000, 50, 3}, TierCase{"Huge", INT64_MAX, 50, 3},
                      TierCase{"NoStakeNeverCelebrates", 1000, 0, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CountUp, GrowsStepByStepToTheWholeAmountWithoutOverflow) {
  for (const std::int64_t amount : {std::int64_t{7}, std::int64_t{1010}, INT64_MAX}) {
    std::int64_t last = 0;
    for (int r = 0; r < 10; ++r) {
      const std::int64_t shown = CountedUp(amount, r, 8);
      EXPECT_GE(shown, last) << amount << " at " << r;
      EXPECT_LE(shown, amount);
      last = shown;
    }
    EXPECT_EQ(CountedUp(amount, 7, 8), amount);
    EXPECT_LT(CountedUp(amount, 0, 8), amount);
  }
}

// Rows of the reel grid with a framed cell, and where the banner goes.
struct PlaceCase {
  const char* name;
  std::array<bool, 3> rowCovered;
  int tier;
  std::optional<int> row;  // 1..3, the row the plate lies in
};
class BannerPlacement : public ::testing::TestWithParam<PlaceCase> {};
TEST_P(BannerPlacement, LiesInARowWithNoFramedCell) {
  const PlaceCase& c = GetParam();
  WinningCells cells{};
  for (int row = 1; row <= 3; ++row) cells[2][row - 1].covered = c.rowCovered[row - 1];
  const std::optional<Rect> place = BannerPlace(cells, c.tier);
  ASSERT_EQ(place.has_value(), c.row.has_value());
  if (!place) return;
  EXPECT_GE(place->top, 125 * (*c.row - 1));
  EXPECT_LE(place->Bottom(), 125 * *c.row);
  EXPECT_GE(place->left, 0);
  EXPECT_LE(place->Right(), 625);
}
TEST(BannerPlacement, FitsBetweenFramedCellsWhenThreeReelsOfARowAreClear) {
  WinningCells cells{};
  for (int reel = 0; reel < kReels; ++reel) cells[reel][0].covered = cells[reel][1].covered = true;
  cells[0][2].covered = true;  // the bottom row's first reel
  const std::optional<Rect> ordinary = BannerPlace(cells, 0);
  ASSERT_TRUE(ordinary.has_value());
  EXPECT_GE(ordinary->left, 125);
  EXPECT_GE(ordinary->top, 250);
  const std::optional<Rect> big = BannerPlace(cells, 3);  // narrowed to fit
  ASSERT_TRUE(big.has_value());
  EXPECT_GE(big->left, 125);
  cells[2][2].covered = true;  // now no three clear reels anywhere
  EXPECT_FALSE(BannerPlace(cells, 0).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BannerPlacement,
    ::testing::Values(PlaceCase{"NothingFramedTakesTheBottom", {false, false, false}, 0, 3},
                      PlaceCase{"ABottomWinMovesItToTheTop", {false, false, true}, 0, 1},
                      PlaceCase{"BigWinToo", {false, false, true}, 2, 1},
                      PlaceCase{"OnlyTheMiddleIsFree", {true, false, true}, 1, 2},
                      PlaceCase{"EveryRowFramedLeavesNoRoom", {true, true, true}, 0, std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

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
  const bool big = IsBigWin(s().LastWin, s().TotalStake);
  for (const auto& banner : desk_.canvas()) {
    if (banner.kind != testing::CanvasOp::Banner) continue;
    // A big win counts up to its amount; an ordinary one shows it at once.
    if (!big) {
      EXPECT_EQ(banner.text, std::to_string(s().LastWin));
    }
    EXPECT_EQ(banner.title, MomentTitle(form().winShow().moment()));
    for (const auto& frame : desk_.canvas()) {  // the amount never covers a winning cell
      if (frame.kind != testing::CanvasOp::Frame) continue;
      const Rect a = banner.plate, b = frame.clipped;
      EXPECT_TRUE(a.Right() <= b.left || b.Right() <= a.left || a.Bottom() <= b.top ||
                  b.Bottom() <= a.top);
    }
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

// A round of free spins: announced when won, counted over the gauge while it lasts, and its
// pay told once the last spin has ended.
TEST_F(WinOnTheReels, AFreeSpinsRoundIsAnnouncedCountedAndTotalled) {
  WaitFor(Scatters(3));
  Click(MainEl::StartButton);
  FinishSpin();
  desk_.ClearCanvas();
  desk_.RunFor(durations::kIdleRepaint);
  // On a plate where the scatters leave room, else under the reels.
  if (Banners() > 0) {
    EXPECT_EQ(desk_.canvas().back().title, "БЕЗПЛАТНИ ИГРИ");
    EXPECT_EQ(desk_.canvas().back().text, "10");
  } else {
    EXPECT_EQ(Text(MainEl::WinLineCaption), "10 БЕЗПЛАТНИ ИГРИ");
  }
  EXPECT_EQ(Count([](const auto& op) {  // the scatters, in gold
              return op.kind == testing::CanvasOp::Frame && op.colour == kFeatureGold;
            }),
            3);
  EXPECT_TRUE(desk_.Visible(Ref(MainEl::FreeRoundPlate)));
  EXPECT_EQ(Text(MainEl::FreeRoundPlate), "10 БЕЗПЛАТНИ ИГРИ");
  const std::int64_t before = s().Balance;
  ASSERT_TRUE(desk_.RunUntil([this] { return Spinning(); }, 5000));
  EXPECT_EQ(Text(MainEl::FreeRoundPlate), "БЕЗПЛАТНА ИГРА 1 ОТ 10   ·   ПЕЧАЛБА 0");
  ASSERT_TRUE(desk_.RunUntil(
      [this] { return cycle().freeSpins() == 0 && !Spinning() && m().StartEnabled == 1; },
      20LL * 60 * 1000));
  EXPECT_FALSE(desk_.Visible(Ref(MainEl::FreeRoundPlate)));
  const Moment& told = form().winShow().moment();
  EXPECT_EQ(told.kind, MomentKind::FreeRoundPaid);
  EXPECT_EQ(told.amount, s().Balance - before);
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
