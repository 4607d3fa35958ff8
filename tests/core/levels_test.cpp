#include <algorithm>

#include "tests/support/machine_fixture.h"

namespace tarvolenka {
namespace {

class Levels : public MachineTest {
 protected:
  // Clicks the level-up window's OK once it has shown for a moment.
  void AcceptLevelUp(int afterMs = 3000) {
    desk_.Then(afterMs, [this] {
      EXPECT_TRUE(desk_.IsShown(WindowId::LevelUp));
      // Behind it, the badge and bar already show the level reached.
      EXPECT_EQ(Text(MainEl::LevelNumber), std::to_string(s().Level));
      EXPECT_EQ(Text(MainEl::ExperienceText),
                std::to_string(s().Experience) + "  /  " + std::to_string(s().NextLevelExperience));
      desk_.Click(Ref(LevelUpEl::OkButton));
    });
  }
};

TEST_F(Levels, ReachingTheThresholdRaisesTheLevelWithItsAwardAndValues) {
  s().Experience = 19950;
  form().RefreshDisplay();
  WaitFor(Losing);
  const std::int64_t balance = s().Balance;
  AcceptLevelUp();
  Click(MainEl::StartButton);
  FinishSpin();
  ASSERT_TRUE(desk_.RunUntil([this] { return !desk_.IsShown(WindowId::LevelUp) && s().Level == 2; },
                             10000));
  EXPECT_EQ(s().NextLevelExperience, 60000);
  EXPECT_EQ(s().LevelStartExperience, 20000);
  EXPECT_EQ(s().MaxLineStake, 20);
  EXPECT_EQ(s().TimedBonusAmount, 200);
  EXPECT_EQ(s().MegaBonusCeiling, 4000);
  EXPECT_EQ(s().Balance, balance - 50 + 4000);
  EXPECT_EQ(Text(MainEl::WinCounter), "4000");
  EXPECT_EQ(Text(MainEl::LevelNumber), "2");
  EXPECT_EQ(desk_.Text(Ref(LevelUpEl::LevelNumber)), "2");
  EXPECT_EQ(desk_.Text(Ref(LevelUpEl::BonusValue)), "200");
  EXPECT_EQ(desk_.Text(Ref(LevelUpEl::MegaBonusValue)), "10000");  // the wheel's 50 × 200
  EXPECT_EQ(desk_.Text(Ref(LevelUpEl::MaxStakeValue)), "20");
  EXPECT_EQ(desk_.Text(Ref(LevelUpEl::LevelAwardValue)), "4000");
  EXPECT_EQ(CueCount(Cue::DoubleWin), 1);
  // Saved at once.
  const GameState saved = Decode(*SaveFile(dir_ / kSaveFileName).Read());
  EXPECT_EQ(saved.Level, 2);
  EXPECT_EQ(saved.Balance, s().Balance);
}

TEST_F(Levels, OneLevelPerSpinAndTheNextThresholdGrowsFromTheOldOne) {
  s().Experience = 70000;  // past the thresholds of levels 2 and 3
  WaitFor(Losing);
  AcceptLevelUp();
  Click(MainEl::StartButton);
  FinishSpin();
  desk_.RunFor(5000);
  EXPECT_EQ(s().Level, 2);
  EXPECT_EQ(s().NextLevelExperience, 60000);
  EXPECT_EQ(s().LevelStartExperience, 70050);
  WaitFor(Losing);
  AcceptLevelUp();
  Click(MainEl::StartButton);
  FinishSpin();
  desk_.RunFor(5000);
  EXPECT_EQ(s().Level, 3);
  EXPECT_EQ(s().NextLevelExperience, 120000);
}

TEST_F(Levels, TheLevelUpWindowClosesOnlyThroughItsOk) {
  s().Experience = 20000;
  WaitFor(Losing);
  desk_.Then(3000, [this] { desk_.CloseByWindowSystem(WindowId::LevelUp); });
  desk_.Then(1000, [this] {
    EXPECT_TRUE(desk_.IsShown(WindowId::LevelUp));
    desk_.Click(Ref(LevelUpEl::OkButton));
  });
  Click(MainEl::StartButton);
  FinishSpin();
  desk_.RunFor(6000);
  EXPECT_FALSE(desk_.IsShown(WindowId::LevelUp));
  EXPECT_EQ(s().Level, 2);
}

TEST_F(Levels, AThresholdPassedDuringFreeSpinsLevelsUpOnlyAfterTheLast) {
  s().Experience = 19950;
  WaitFor(Scatters(3));
  Click(MainEl::StartButton);
  FinishSpin();
  EXPECT_GE(s().Experience, 20000);
  EXPECT_EQ(s().Level, 1);
  bool levelUpDuringFreeSpins = false;
  desk_.SetObserver([&] {
    if (desk_.IsShown(WindowId::LevelUp) && cycle().freeSpins() > 0) levelUpDuringFreeSpins = true;
    if (desk_.IsShown(WindowId::LevelUp)) desk_.Click(Ref(LevelUpEl::OkButton));
  });
  ASSERT_TRUE(
      desk_.RunUntil([this] { return cycle().freeSpins() == 0 && !Spinning() && s().Level == 2; },
                     20LL * 60 * 1000));
  EXPECT_FALSE(levelUpDuringFreeSpins);
}

class TimedBonus : public MachineTest {
 protected:
  void SetUp() override {}
  void LaunchDueIn(double hours, int stage = 0, int level = 1) {
    Launch([&](GameState& g) {
      g.BonusDueTime = desk_.NowLocal() + hours / 24.0;
      g.BonusStage = static_cast<std::uint8_t>(stage);
      g.Level = level;
      g.TimedBonusAmount = level * 100;
    });
  }
};

TEST_F(TimedBonus, ItsAmountReplacesTheLastSpinsLinesOnTheReels) {
  LaunchDueIn(0.5);
  WaitFor(Winning);
  Click(MainEl::StartButton);
  FinishSpin();
  ASSERT_GT(s().LastWin, 0);
  desk_.RunFor(30LL * 60 * 1000);  // the bonus comes due
  const auto onlyCells = [this] {
    desk_.ClearCanvas();
    form().Redraw();
    return !desk_.canvas().empty() &&
           std::all_of(desk_.canvas().begin(), desk_.canvas().end(),
                       [](const auto& op) { return op.kind == testing::CanvasOp::Cell; });
  };
  bool clearBehindTheWindow = false;
  desk_.Then(500, [&] {
    clearBehindTheWindow = onlyCells();
    desk_.Click(Ref(TimedBonusEl::OkButton));
  });
  Click(MainEl::TakeBonusButton);
  EXPECT_TRUE(clearBehindTheWindow);
  EXPECT_TRUE(onlyCells());
  EXPECT_EQ(Text(MainEl::WinCounter), "100");
}

TEST_F(TimedBonus, TheCountdownShowsTheTimeLeftAndTheButtonAtTheDueMoment) {
  LaunchDueIn(1.0);
  desk_.RunFor(1000);
  EXPECT_TRUE(Text(MainEl::TimedBonusCountdown) == "00:59:59" ||
              Text(MainEl::TimedBonusCountdown) == "01:00:00")
      << Text(MainEl::TimedBonusCountdown);
  EXPECT_FALSE(desk_.Visible(Ref(MainEl::TakeBonusButton)));
  desk_.RunFor(60LL * 60 * 1000 - 2000);
  EXPECT_FALSE(desk_.Visible(Ref(MainEl::TakeBonusButton)));
  EXPECT_EQ(Text(MainEl::TimedBonusCountdown), "00:00:01");
  EXPECT_TRUE(desk_.Visible(Ref(MainEl::TimedBonusCountdown)));
  desk_.RunFor(1000);
  EXPECT_TRUE(desk_.Visible(Ref(MainEl::TakeBonusButton)));
  EXPECT_FALSE(desk_.Visible(Ref(MainEl::TimedBonusCountdown)));  // no repaint under the button
  desk_.RunFor(5000);
  EXPECT_EQ(Text(MainEl::TimedBonusCountdown), "00:00:05");  // counting up again under the button
}

TEST_F(TimedBonus, ANewGameHasItsFirstBonusDueAtOnce) {
  Launch();
  desk_.RunFor(1000);
  EXPECT_TRUE(desk_.Visible(Ref(MainEl::TakeBonusButton)));
}

class TimedBonusStages : public TimedBonus, public ::testing::WithParamInterface<int> {};

TEST_P(TimedBonusStages, PayTheTimedBonusOfTheLevel) {
  const int stage = GetParam();
  LaunchDueIn(0, stage, 4);
  desk_.RunFor(1000);
  const std::int64_t balance = s().Balance;
  s().JokerUses = 3;
  desk_.Then(500, [this, stage] {
    EXPECT_EQ(desk_.Text(Ref(TimedBonusEl::Amount)), "400");
    const std::string series = desk_.Text(Ref(TimedBonusEl::Series));
    EXPECT_NE(series.find("Бонус " + std::to_string(stage + 1) + " от 5"), std::string::npos);
    EXPECT_EQ(series.find("следва мегабонусът") != std::string::npos, stage == 4);
    desk_.Click(Ref(TimedBonusEl::OkButton));
  });
  desk_.ClearCues();
  Click(MainEl::TakeBonusButton);
  EXPECT_EQ(s().Balance, balance + 400);
  EXPECT_EQ(Text(MainEl::WinCounter), "400");
  EXPECT_EQ(s().JokerUses, 0);
  EXPECT_EQ(s().BonusStage, stage + 1);
  EXPECT_EQ(Pic(MainEl::BonusStage), SpecOf(Ref(BonusStagePicture(stage + 1))).picture);
  EXPECT_EQ(CueCount(Cue::Cuckoo), 1);
  EXPECT_DOUBLE_EQ(s().BonusDueTime, PlusOneHour(desk_.NowLocal()));
  const GameState saved = Decode(*SaveFile(dir_ / kSaveFileName).Read());
  EXPECT_EQ(saved.Balance, balance + 400);
  EXPECT_EQ(saved.BonusStage, stage + 1);
  desk_.RunFor(1000);
  EXPECT_FALSE(desk_.Visible(Ref(MainEl::TakeBonusButton)));
}

INSTANTIATE_TEST_SUITE_P(ZeroToFour, TimedBonusStages, ::testing::Values(0, 1, 2, 3, 4));

TEST_F(TimedBonus, TheSixthCollectionOpensTheMegaBonusThenShowsTheEmptyStage) {
  LaunchDueIn(0, 5);
  desk_.RunFor(1000);
  const std::int64_t balance = s().Balance;
  desk_.Then(500, [this] { desk_.Click(Ref(MegaBonusEl::StartButton)); });
  desk_.Then(2500, [this] { desk_.Click(Ref(MegaBonusEl::StopButton)); });
  desk_.Then(20000, [this] {
    EXPECT_TRUE(desk_.Visible(Ref(MegaBonusEl::OkButton)));
    desk_.Click(Ref(MegaBonusEl::OkButton));
  });
  Click(MainEl::TakeBonusButton);
  const std::int64_t prize = game_->megaBonus().rules().Prize(game_->megaBonus().rules().light());
  EXPECT_GT(prize, 0);
  EXPECT_EQ(s().LastWin, prize);
  EXPECT_EQ(s().Balance, balance + prize);
  EXPECT_EQ(s().BonusStage, 0);
  EXPECT_EQ(Pic(MainEl::BonusStage), Picture::BonusStage0);
}

TEST_F(TimedBonus, ATakeBonusClickDuringASpinDoesNothing) {
  LaunchDueIn(0);
  desk_.RunFor(1000);
  Click(MainEl::StartButton);
  desk_.RunFor(100);
  const std::int64_t balance = s().Balance;
  EXPECT_EQ(Click(MainEl::TakeBonusButton), testing::ClickResult::Handled);
  EXPECT_FALSE(desk_.IsShown(WindowId::TimedBonus));
  EXPECT_EQ(s().Balance, balance);
  EXPECT_EQ(s().BonusStage, 0);
  FinishSpin();
  EXPECT_TRUE(desk_.Visible(Ref(MainEl::TakeBonusButton)));  // still there once the reels rest
}

TEST_F(TimedBonus, TheCountdownKeepsRunningWhileTheProgramIsClosed) {
  LaunchDueIn(0);
  desk_.RunFor(1000);
  desk_.Then(500, [this] { desk_.Click(Ref(TimedBonusEl::OkButton)); });
  Click(MainEl::TakeBonusButton);
  desk_.Close(WindowId::Main);
  // Two hours later the program starts again: the bonus is due.
  testing::VirtualDesktop later(desk_.NowLocal() + 2.0 / 24);
  Game again(later, dir_ / kSaveFileName);
  later.Start();
  later.RunFor(1000);
  EXPECT_TRUE(later.Visible(Ref(MainEl::TakeBonusButton)));
  EXPECT_EQ(again.machine().State.BonusStage, 1);
}

}  // namespace
}  // namespace tarvolenka
