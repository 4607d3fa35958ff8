#include <algorithm>

#include "tests/support/machine_fixture.h"

namespace tarvolenka {
namespace {

using SpinCycle = MachineTest;

TEST_F(SpinCycle, APaidSpinTakesTheStakeAddsExperienceAndLandsOnTheForeseenScreen) {
  const ReelWindow expected = testing::PredictSpin(m().Reels, desk_.MillisSinceMidnightUtc());
  EXPECT_EQ(Click(MainEl::StartButton), testing::ClickResult::Handled);
  EXPECT_EQ(s().Balance, 30000 - 50);
  EXPECT_EQ(s().Experience, 50);
  EXPECT_EQ(Text(MainEl::CreditCounter), "29950");
  EXPECT_TRUE(Spinning());
  EXPECT_FALSE(Running(MainTimer::IdleRepaint));
  FinishSpin();
  // Reels 1..5 advanced 8, 12, 15, 18 and 21 cells with the draws of the spin's seed.
  EXPECT_EQ(m().Reels, expected);
  for (int reel = 0; reel < 5; ++reel)
    EXPECT_EQ(spin().reelOffsets()[static_cast<std::size_t>(reel)], -125);
  EXPECT_TRUE(Running(MainTimer::IdleRepaint));
}

TEST_F(SpinCycle, APaidSpinFollowsTheStopScheduleTickByTick) {
  std::vector<std::pair<int, int>> ticks;  // (advances, period) after every spin tick
  int lastOffset = 0, lastAdvances = -1;
  desk_.SetObserver([&] {
    if (!Spinning() || (spin().offset() == lastOffset && spin().advances() == lastAdvances)) return;
    lastOffset = spin().offset();  // other timers tick too; only moves of the reels count
    lastAdvances = spin().advances();
    ticks.push_back({spin().advances(), desk_.TimerInterval(TimerOf(MainTimer::Spin))});
  });
  desk_.ClearCues();
  Click(MainEl::StartButton);
  EXPECT_EQ(FinishSpin(), 2119);  // 13 ticks per cell at 1, 5, 10, 15 and 20 ms
  EXPECT_EQ(CueCount(Cue::Click), 21);
  for (const auto& [advances, period] : ticks) {
    const int expected = advances < 8    ? 1
                         : advances < 12 ? 5
                         : advances < 15 ? 10
                         : advances < 18 ? 15
                                         : 20;
    ASSERT_EQ(period, expected) << "after " << advances << " advances";
  }
  EXPECT_EQ(ticks.size(), 21u * 13u - 1u);  // the last tick ends the spin
}

// A busy machine delays the timer; the ticks that fell due meanwhile are played at once, in
// order, so the spin still ends on the schedule's time and on the same screen.
TEST_F(SpinCycle, ASpinHeldUpByABusyEventLoopCatchesUpAndEndsOnSchedule) {
  const ReelWindow expected = testing::PredictSpin(m().Reels, desk_.MillisSinceMidnightUtc());
  std::vector<int> stalledAt;
  desk_.SetObserver([&] {
    const int advances = spin().advances();
    if (!Spinning() || (advances != 3 && advances != 16) ||
        std::ranges::find(stalledAt, advances) != stalledAt.end())
      return;
    stalledAt.push_back(advances);
    desk_.Stall(advances == 3 ? 47 : 130);
  });
  Click(MainEl::StartButton);
  EXPECT_EQ(FinishSpin(), 2119);
  EXPECT_EQ(stalledAt, (std::vector<int>{3, 16}));
  EXPECT_EQ(m().Reels, expected);
}

TEST_F(SpinCycle, ReelsStopFromLeftToRightOnCellBoundaries) {
  std::array<int, 5> stoppedAt{-1, -1, -1, -1, -1};
  desk_.SetObserver([&] {
    for (std::size_t r = 0; r < 5; ++r) {
      if (stoppedAt[r] < 0 && Spinning() && spin().turning()[r] == 0) {
        stoppedAt[r] = spin().advances();
        EXPECT_EQ(spin().reelOffsets()[r], -125);
      }
    }
  });
  Click(MainEl::StartButton);
  FinishSpin();
  EXPECT_EQ(stoppedAt, (std::array<int, 5>{8, 12, 15, 18, -1}));  // reel 5 stops with the end
}

TEST_F(SpinCycle, AStartWithTheBalanceExactlyTheStakeRunsTheSpin) {
  s().Balance = 50;
  Click(MainEl::StartButton);
  EXPECT_TRUE(Spinning());
  EXPECT_EQ(s().Balance, 0);
}

TEST_F(SpinCycle, AStartWithOneCreditTooFewChargesNothingButClearsTheWinningLines) {
  s().Balance = 49;
  WinningLineFlags shown{};
  shown[3] = 1;
  cycle().ShowLines(shown);
  desk_.ClearCues();
  Click(MainEl::StartButton);
  EXPECT_FALSE(Spinning());
  EXPECT_EQ(s().Balance, 49);
  EXPECT_EQ(s().Experience, 0);
  EXPECT_EQ(cycle().winningLines()[3], 0);
  EXPECT_TRUE(desk_.cues().empty());
}

TEST_F(SpinCycle, AWinningSpinPaysTheLineWinTimesTheStakeAndDrawsItsLines) {
  s().LineStake = 2;
  s().StakeStep = 2;
  form().RefreshDisplay();
  WaitFor(Winning);
  const ReelWindow final = testing::PredictSpin(m().Reels, desk_.MillisSinceMidnightUtc());
  WinningLineFlags flags{};
  const std::int64_t pay = EvaluateLines(final, flags);
  desk_.ClearCues();
  Click(MainEl::StartButton);
  desk_.ClearCanvas();
  FinishSpin();
  EXPECT_EQ(s().LastWin, pay * 2);
  EXPECT_EQ(s().Balance, 30000 - 100 + pay * 2);
  EXPECT_EQ(Text(MainEl::WinCounter), std::to_string(pay * 2));
  EXPECT_EQ(cycle().winningLines(), flags);
  EXPECT_EQ(CueCount(Cue::Cuckoo), 1);
  int lines = 0;
  for (const auto& op : desk_.canvas()) lines += op.kind == testing::CanvasOp::Line ? 1 : 0;
  int flagged = 0;
  for (auto f : flags) flagged += f;
  EXPECT_EQ(lines, flagged);
  // A win opens the double-up.
  EXPECT_EQ(m().DoubleEnabled, 1);
  EXPECT_EQ(Pic(MainEl::DoubleButton), Picture::ButtonDouble);
}

TEST_F(SpinCycle, ASpinWithoutAWinLeavesLastWinAtZeroAndPlaysNoCuckoo) {
  s().LastWin = 999;
  WaitFor(Losing);
  desk_.ClearCues();
  Click(MainEl::StartButton);
  EXPECT_EQ(Text(MainEl::WinCounter), "999");  // the old win shows until the spin ends
  FinishSpin();
  EXPECT_EQ(s().LastWin, 0);
  EXPECT_EQ(CueCount(Cue::Cuckoo), 0);
  EXPECT_EQ(m().DoubleEnabled, 0);
}

TEST_F(SpinCycle, TheOtherControlsAreGreyAndInertWhileTheReelsTurn) {
  Click(MainEl::StartButton);
  for (MainEl e : {MainEl::LegendButton, MainEl::StakePlus, MainEl::StakeMinus, MainEl::LinesPlus,
                   MainEl::LinesMinus, MainEl::DoubleButton}) {
    Click(e);
  }
  EXPECT_EQ(s().LineCount, 50);
  EXPECT_EQ(s().LineStake, 1);
  EXPECT_EQ(s().Balance, 29950);
  EXPECT_TRUE(Spinning());
  EXPECT_EQ(Pic(MainEl::StartButton), Picture::ButtonStart);  // lit: it stops the reels
  EXPECT_EQ(Pic(MainEl::LegendButton), Picture::ButtonLegendGrey);
  EXPECT_EQ(Pic(MainEl::LinesPlus), Picture::ArrowPlusGrey);
  FinishSpin();
  EXPECT_EQ(Pic(MainEl::StakeMinus), Picture::ArrowMinus);
}

TEST_F(SpinCycle, StartPressedAgainStopsTheReelsAtOnceOnTheForeseenScreen) {
  const ReelWindow expected = testing::PredictSpin(m().Reels, desk_.MillisSinceMidnightUtc());
  Click(MainEl::StartButton);
  desk_.RunFor(300);
  ASSERT_TRUE(Spinning());
  Click(MainEl::StartButton);
  EXPECT_FALSE(Spinning());
  EXPECT_EQ(m().Reels, expected);
  EXPECT_EQ(s().Balance, 29950 + s().LastWin);
}

class FreeSpins : public MachineTest, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(FreeSpins, ScattersOnTheScreenAwardFreeSpinsThatPlayThemselves) {
  const auto [scatters, awarded] = GetParam();
  WaitFor(Scatters(scatters));
  Click(MainEl::StartButton);
  FinishSpin();
  EXPECT_EQ(cycle().freeSpins(), awarded);
  EXPECT_EQ(Text(MainEl::FreeSpinsCounter), std::to_string(awarded));
  EXPECT_TRUE(desk_.Visible(Ref(MainEl::FreeSpinsCounter)));
  EXPECT_EQ(spin().step(), 25);
  EXPECT_EQ(m().StartEnabled, 0);
  EXPECT_EQ(Pic(MainEl::StartButton), Picture::ButtonStartGrey);
  const std::int64_t balance = s().Balance;
  const std::int64_t experience = s().Experience;

  // The first free spin starts 2000 ms later without a click, charges nothing and counts down.
  desk_.RunFor(1999);
  EXPECT_FALSE(Spinning());
  desk_.RunFor(1);
  EXPECT_TRUE(Spinning());
  EXPECT_EQ(cycle().freeSpins(), awarded - 1);
  EXPECT_EQ(s().Experience, experience + 50);
  EXPECT_EQ(FinishSpin(), 978);  // six ticks per cell at step 25
  EXPECT_GE(s().Balance, balance);
  EXPECT_EQ(Click(MainEl::StartButton), testing::ClickResult::Handled);
  EXPECT_FALSE(Spinning());  // start stays inert between free spins
}

INSTANTIATE_TEST_SUITE_P(ThreeFourFive, FreeSpins,
                         ::testing::Values(std::pair{3, 10}, std::pair{4, 15}, std::pair{5, 20}));

TEST_F(SpinCycle, FreeSpinsRunOutAndHandThePanelBack) {
  WaitFor(Scatters(3));
  Click(MainEl::StartButton);
  FinishSpin();
  // Play the free spins out (more may be won on the way).
  ASSERT_TRUE(desk_.RunUntil(
      [this] { return cycle().freeSpins() == 0 && !Spinning() && m().StartEnabled == 1; },
      20LL * 60 * 1000));
  EXPECT_EQ(spin().step(), 10);
  EXPECT_FALSE(desk_.Visible(Ref(MainEl::FreeSpinsCounter)));
  EXPECT_EQ(Pic(MainEl::StartButton), Picture::ButtonStart);
  EXPECT_FALSE(Running(MainTimer::FreeSpin));
}

TEST_F(SpinCycle, IdleRepaintStopsDuringASpinAndComesBackAfterIt) {
  Click(MainEl::StartButton);
  EXPECT_FALSE(Running(MainTimer::IdleRepaint));
  FinishSpin();
  EXPECT_TRUE(Running(MainTimer::IdleRepaint));
}

}  // namespace
}  // namespace tarvolenka
