#include <gtest/gtest.h>

#include "tests/support/machine_fixture.h"

namespace tarvolenka {
namespace {

class MegaBonus : public MachineTest {
 protected:
  MegaBonusWindow& mega() { return game_->megaBonus(); }
  int LitShapes() {
    int lit = 0;
    for (int cell = 1; cell <= kMegaCells; ++cell)
      lit += desk_.Visible(Ref(MegaLight(cell))) ? 1 : 0;
    return lit;
  }
  bool Shown(MegaBonusEl e) { return desk_.Visible(Ref(e)); }
};

TEST_F(MegaBonus, ShowsTheTimedBonusTimesEachCellsFactor) {
  s().TimedBonusAmount = 100;
  desk_.Then(100, [this] {
    const char* expected[] = {"1000", "300", "5000", "300", "1000", "300", "500", "300",
                              "1000", "200", "2500", "200", "1000", "200", "500", "200"};
    for (int cell = 1; cell <= kMegaCells; ++cell)
      EXPECT_EQ(desk_.Text(Ref(MegaLabel(cell))), expected[cell - 1]) << cell;
    EXPECT_TRUE(Shown(MegaBonusEl::StartButton));
    EXPECT_FALSE(Shown(MegaBonusEl::StopButton));
    EXPECT_FALSE(Shown(MegaBonusEl::OkButton));
    EXPECT_EQ(LitShapes(), 1);
    EXPECT_TRUE(desk_.Visible(Ref(MegaLight(mega().rules().light()))));
    desk_.Close(WindowId::MegaBonus);
  });
  desk_.RunModal(WindowId::MegaBonus);
}

TEST_F(MegaBonus, PrizesAreWorkedOutInSixtyFourBits) {
  MegaWheelRules wheel;
  wheel.Deal(100000000000LL, game_->machine().Rng);
  EXPECT_EQ(wheel.Prize(3), 5000000000000LL);
}

// A busy machine delays the light's timer; the steps that fell due meanwhile are taken at once,
// so the light keeps its pace on the clock, with one cell lit.
TEST_F(MegaBonus, ALightHeldUpByABusyEventLoopCatchesUpWithOneCellLit) {
  std::uint32_t atStart = 0;
  bool stalled = false;
  int maxLit = 0;
  desk_.Then(100, [&] {
    desk_.Click(Ref(MegaBonusEl::StartButton));
    atStart = mega().rules().stepsLeft();
    desk_.SetObserver([&] {
      if (!desk_.IsShown(WindowId::MegaBonus)) return;
      maxLit = std::max(maxLit, LitShapes());
      if (!stalled && mega().rules().stepsLeft() == atStart - 5) {
        stalled = true;
        desk_.Stall(1550);
      }
    });
  });
  desk_.Then(3050, [&] {
    EXPECT_TRUE(stalled);
    EXPECT_EQ(mega().rules().stepsLeft(), atStart - 30);  // a step each 100 ms, stall or not
    desk_.SetObserver({});
    desk_.Close(WindowId::MegaBonus);
  });
  desk_.RunModal(WindowId::MegaBonus);
  EXPECT_EQ(maxLit, 1);
}

TEST_F(MegaBonus, AStopRequestEndsFifteenToTwentyNineCellsOnWithOneClickPerStep) {
  s().TimedBonusAmount = 100;
  int requestedOn = 0;
  std::uint32_t stepsAfterStop = 0;
  bool stopSeenEarly = false, okSeenEarly = false;
  int maxLit = 0, minLit = 16;
  desk_.Then(100, [&] {
    desk_.ClearCues();
    desk_.Click(Ref(MegaBonusEl::StartButton));
    EXPECT_FALSE(Shown(MegaBonusEl::StartButton));
    desk_.SetObserver([&] {
      if (!desk_.IsShown(WindowId::MegaBonus)) return;
      const int lit = LitShapes();
      maxLit = std::max(maxLit, lit);
      minLit = std::min(minLit, lit);
      if (Shown(MegaBonusEl::StopButton) && mega().rules().stepsLeft() > 1000 && requestedOn == 0)
        stopSeenEarly = true;
      if (Shown(MegaBonusEl::OkButton) && mega().rules().stepsLeft() > 0) okSeenEarly = true;
    });
  });
  desk_.Then(3000, [&] {
    ASSERT_TRUE(Shown(MegaBonusEl::StopButton));
    requestedOn = mega().rules().light();
    desk_.Click(Ref(MegaBonusEl::StopButton));
    stepsAfterStop = mega().rules().stepsLeft();
    EXPECT_FALSE(Shown(MegaBonusEl::StopButton));
  });
  desk_.Then(15000, [&] {
    EXPECT_TRUE(Shown(MegaBonusEl::OkButton));
    desk_.Click(Ref(MegaBonusEl::OkButton));
  });
  s().LastWin = 0;
  desk_.RunModal(WindowId::MegaBonus);
  desk_.SetObserver({});
  EXPECT_GE(stepsAfterStop, 15u);
  EXPECT_LE(stepsAfterStop, 29u);
  const int expectedCell = (requestedOn - 1 + static_cast<int>(stepsAfterStop)) % 16 + 1;
  EXPECT_EQ(mega().rules().light(), expectedCell);
  EXPECT_EQ(s().LastWin, mega().rules().Prize(expectedCell));
  EXPECT_FALSE(stopSeenEarly);
  EXPECT_FALSE(okSeenEarly);
  EXPECT_EQ(maxLit, 1);
  EXPECT_EQ(minLit, 1);
  EXPECT_EQ(CueCount(Cue::Cuckoo), 1);
  EXPECT_EQ(desk_.cues().back().cue, Cue::Cuckoo);
}

TEST_F(MegaBonus, TheLightSlowsDownOverItsLastSteps) {
  std::vector<std::pair<std::uint32_t, int>> pace;
  desk_.Then(100, [&] {
    desk_.Click(Ref(MegaBonusEl::StartButton));
    desk_.SetObserver([&] {
      if (desk_.IsTimerRunning(TimerOf(MegaBonusTimer::Light)))
        pace.push_back(
            {mega().rules().stepsLeft(), desk_.TimerInterval(TimerOf(MegaBonusTimer::Light))});
    });
  });
  desk_.Then(3000, [&] { desk_.Click(Ref(MegaBonusEl::StopButton)); });
  desk_.Then(15000, [&] { desk_.Click(Ref(MegaBonusEl::OkButton)); });
  desk_.RunModal(WindowId::MegaBonus);
  desk_.SetObserver({});
  for (const auto& [left, interval] : pace) {
    const int expected = left <= 5 ? 400 : left <= 10 ? 300 : left <= 15 ? 200 : 100;
    ASSERT_EQ(interval, expected) << left;
  }
}

TEST_F(MegaBonus, WithoutAStopTheLightRunsAThousandMoreStepsAndStops) {
  int clicks = 0;
  desk_.Then(100, [&] {
    desk_.ClearCues();
    desk_.Click(Ref(MegaBonusEl::StartButton));
  });
  desk_.Then(120000, [&] {
    EXPECT_TRUE(Shown(MegaBonusEl::OkButton));
    EXPECT_EQ(mega().rules().stepsLeft(), 0u);
    clicks = CueCount(Cue::Click);
    desk_.Click(Ref(MegaBonusEl::OkButton));
  });
  desk_.RunModal(WindowId::MegaBonus);
  EXPECT_GE(clicks, 1005);
  EXPECT_LE(clicks, 1019);
}

TEST_F(MegaBonus, TheWindowSystemCannotCloseItBeforeThePrizeIsTaken) {
  desk_.Then(100, [&] { desk_.CloseByWindowSystem(WindowId::MegaBonus); });
  desk_.Then(100, [&] {
    EXPECT_TRUE(desk_.IsShown(WindowId::MegaBonus));
    desk_.Click(Ref(MegaBonusEl::StartButton));
  });
  desk_.Then(3000, [&] { desk_.Click(Ref(MegaBonusEl::StopButton)); });
  desk_.Then(15000, [&] { desk_.Click(Ref(MegaBonusEl::OkButton)); });
  s().LastWin = 0;
  desk_.RunModal(WindowId::MegaBonus);
  EXPECT_GT(s().LastWin, 0);
}

}  // namespace
}  // namespace tarvolenka
