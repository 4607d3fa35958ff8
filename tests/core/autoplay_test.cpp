#include "tests/support/machine_fixture.h"

namespace tarvolenka {
namespace {

using AutoPlay = MachineTest;

TEST_F(AutoPlay, TickingTheBoxWhileIdleStartsASpinAtOnce) {
  Click(MainEl::AutoPlayBox);
  EXPECT_TRUE(cycle().autoPlay());
  EXPECT_EQ(Pic(MainEl::AutoPlayBox), Picture::AutoPlayOn);
  EXPECT_TRUE(Spinning());
}

TEST_F(AutoPlay, TheNextSpinFollowsTwoSecondsAfterASpinEnds) {
  WaitFor(NoFeature);
  Click(MainEl::AutoPlayBox);
  FinishSpin();
  EXPECT_TRUE(Running(MainTimer::AutoPlay));
  desk_.RunFor(1999);
  EXPECT_FALSE(Spinning());
  desk_.RunFor(1);
  EXPECT_TRUE(Spinning());
  EXPECT_FALSE(Running(MainTimer::AutoPlay));
  EXPECT_EQ(s().Experience, 100);  // two stakes taken
}

// A START pressed in the wait between auto-play spins plays now; the run's next spin is timed
// from this spin's end, never left pending under a spin that stops early.
TEST_F(AutoPlay, StartInTheWaitLeavesNoAutoPlaySpinPendingThroughTheSpin) {
  WaitFor(NoFeature);
  Click(MainEl::AutoPlayBox);
  FinishSpin();
  ASSERT_TRUE(Running(MainTimer::AutoPlay));
  WaitFor(NoFeature);
  Click(MainEl::StartButton);
  ASSERT_TRUE(Spinning());
  EXPECT_FALSE(Running(MainTimer::AutoPlay));
  Click(MainEl::StartButton);  // stopped at once
  EXPECT_FALSE(Spinning());
  EXPECT_TRUE(Running(MainTimer::AutoPlay));
  desk_.RunFor(1999);
  EXPECT_FALSE(Spinning());
}

TEST_F(AutoPlay, TickingTheBoxDuringASpinStartsAutoPlayAfterIt) {
  WaitFor(NoFeature);
  Click(MainEl::StartButton);
  desk_.RunFor(300);
  Click(MainEl::AutoPlayBox);
  EXPECT_EQ(s().Balance, 29950);  // the running spin is not doubled
  FinishSpin();
  desk_.RunFor(2000);
  EXPECT_TRUE(Spinning());
}

TEST_F(AutoPlay, HaltsWithTheBoxTickedWhenTheCreditRunsShort) {
  s().Balance = 50;
  WaitFor(Losing);
  Click(MainEl::AutoPlayBox);
  FinishSpin();
  EXPECT_EQ(s().Balance, 0);
  desk_.RunFor(2000);
  EXPECT_FALSE(Spinning());
  EXPECT_FALSE(Running(MainTimer::AutoPlay));
  EXPECT_TRUE(cycle().autoPlay());
  EXPECT_EQ(Pic(MainEl::AutoPlayBox), Picture::AutoPlayOn);
  desk_.RunFor(10000);
  EXPECT_FALSE(Spinning());
  // A hand-started spin with enough credit sets it going again.
  s().Balance = 1000;
  Click(MainEl::StartButton);
  FinishSpin();
  EXPECT_TRUE(Running(MainTimer::AutoPlay));
}

TEST_F(AutoPlay, UntickingDuringTheWaitLetsExactlyOneMoreSpinRun) {
  WaitFor(NoFeature);
  Click(MainEl::AutoPlayBox);
  FinishSpin();
  Click(MainEl::AutoPlayBox);  // untick while the auto-play timer runs
  EXPECT_FALSE(cycle().autoPlay());
  EXPECT_EQ(Pic(MainEl::AutoPlayBox), Picture::AutoPlayOff);
  desk_.RunFor(2000);
  EXPECT_TRUE(Spinning());
  FinishSpin();
  EXPECT_FALSE(Running(MainTimer::AutoPlay));
  desk_.RunFor(5000);
  EXPECT_FALSE(Spinning());
}

TEST_F(AutoPlay, AHandStartDuringTheWaitSpinsAtOnceAndTheWaitBeginsAgainAfterIt) {
  WaitFor(NoFeature);
  Click(MainEl::AutoPlayBox);
  FinishSpin();
  desk_.RunFor(500);
  Click(MainEl::StartButton);
  EXPECT_TRUE(Spinning());
  // The start restored the auto-play timer it found running; the spin's end starts it anew.
  FinishSpin();
  EXPECT_TRUE(Running(MainTimer::AutoPlay));
}

TEST_F(AutoPlay, PausesDuringFreeSpinsAndResumesAfterThem) {
  WaitFor(Scatters(3));
  Click(MainEl::AutoPlayBox);
  FinishSpin();
  EXPECT_GT(cycle().freeSpins(), 0);
  EXPECT_FALSE(Running(MainTimer::AutoPlay));
  EXPECT_TRUE(Running(MainTimer::FreeSpin));
  ASSERT_TRUE(
      desk_.RunUntil([this] { return cycle().freeSpins() == 0 && !Spinning(); }, 20LL * 60 * 1000));
  EXPECT_TRUE(Running(MainTimer::AutoPlay));
  desk_.RunFor(2000);
  EXPECT_TRUE(Spinning());
}

TEST_F(AutoPlay, AModalWindowPausesTheAutoPlayWaitAndRestoresIt) {
  WaitFor(NoFeature);
  Click(MainEl::AutoPlayBox);
  FinishSpin();
  desk_.RunFor(1000);
  // The legend stays open for five seconds; the pending auto-play spin waits for it.
  desk_.Then(5000, [this] {
    EXPECT_FALSE(Running(MainTimer::AutoPlay));
    desk_.CloseByWindowSystem(WindowId::Legend);
  });
  Click(MainEl::LegendButton);
  EXPECT_TRUE(Running(MainTimer::AutoPlay));
  desk_.RunFor(2000);
  EXPECT_TRUE(Spinning());
}

}  // namespace
}  // namespace tarvolenka
