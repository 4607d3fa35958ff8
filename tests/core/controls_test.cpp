#include "tests/support/machine_fixture.h"

namespace tarvolenka {
namespace {

using Controls = MachineTest;

struct StakeCase {
  const char* name;
  int level;
  int stake;
  int step;
  MainEl click;
  int stakeAfter;
  int stepAfter;
  bool plusEnabledAfter;
  bool minusEnabledAfter;
};

class StakeLadder : public MachineTest, public ::testing::WithParamInterface<StakeCase> {
  void SetUp() override {}
};

TEST_P(StakeLadder, MovesTheStakeAndGreysTheButtonThatReachedAnEnd) {
  const StakeCase& c = GetParam();
  Launch([&](GameState& g) {
    g.Level = c.level;
    g.LineStake = c.stake;
    g.StakeStep = c.step;
  });
  // Start-up greys stake-plus at the maximum; make both active to see what the click does.
  m().StakePlusEnabled = 1;
  m().StakeMinusEnabled = 1;
  Click(c.click);
  EXPECT_EQ(s().LineStake, c.stakeAfter);
  EXPECT_EQ(s().StakeStep, c.stepAfter);
  EXPECT_EQ(m().StakePlusEnabled, c.plusEnabledAfter ? 1 : 0);
  EXPECT_EQ(m().StakeMinusEnabled, c.minusEnabledAfter ? 1 : 0);
  EXPECT_EQ(Pic(MainEl::StakePlus),
            c.plusEnabledAfter ? Picture::ArrowPlus : Picture::ArrowPlusGrey);
  EXPECT_EQ(Pic(MainEl::StakeMinus),
            c.minusEnabledAfter ? Picture::ArrowMinus : Picture::ArrowMinusGrey);
  EXPECT_EQ(Text(MainEl::LineStakeCounter), std::to_string(c.stakeAfter));
  EXPECT_EQ(Text(MainEl::TotalStakeCounter), std::to_string(50 * c.stakeAfter));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, StakeLadder,
    ::testing::Values(
        StakeCase{"Level1PlusAtTenStaysAndGreys", 1, 10, 4, MainEl::StakePlus, 10, 4, false, true},
        StakeCase{"Level1MinusFromTenGivesFive", 1, 10, 4, MainEl::StakeMinus, 5, 3, true, true},
        StakeCase{"Level3PlusFromTwentyIsCutAtThirty", 3, 20, 5, MainEl::StakePlus, 30, 6, false, true},
        StakeCase{"Level3MinusFromThirtyGivesTwenty", 3, 30, 6, MainEl::StakeMinus, 20, 5, true, true},
        StakeCase{"MinusAtOneKeepsOneAndGreys", 1, 1, 1, MainEl::StakeMinus, 1, 1, true, false},
        StakeCase{"PlusClimbsTheLadder", 100, 50, 6, MainEl::StakePlus, 100, 7, true, true},
        StakeCase{"PlusAtTheTopKeepsTheTop", 20000, 100000, 16, MainEl::StakePlus, 100000, 16, true, true}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST_F(Controls, TheLadderFromOneToTheLevelMaximumAndBack) {
  Launch([](GameState& g) { g.Level = 3; });
  std::vector<int> up;
  for (int i = 0; i < 8; ++i) {
    Click(MainEl::StakePlus);
    up.push_back(s().LineStake);
  }
  EXPECT_EQ(up, (std::vector<int>{2, 5, 10, 20, 30, 30, 30, 30}));
  std::vector<int> down;
  for (int i = 0; i < 7; ++i) {
    Click(MainEl::StakeMinus);
    down.push_back(s().LineStake);
  }
  EXPECT_EQ(down, (std::vector<int>{20, 10, 5, 2, 1, 1, 1}));
}

TEST_F(Controls, LinesStayWithinOneAndFiftyWithoutGreying) {
  Click(MainEl::LinesPlus);
  EXPECT_EQ(s().LineCount, 50);
  EXPECT_EQ(m().LinesPlusEnabled, 1);
  for (int i = 0; i < 60; ++i) Click(MainEl::LinesMinus);
  EXPECT_EQ(s().LineCount, 1);
  EXPECT_EQ(m().LinesMinusEnabled, 1);
  EXPECT_EQ(Text(MainEl::LinesCounter), "1");
  EXPECT_EQ(Text(MainEl::TotalStakeCounter), "1");
  Click(MainEl::LinesPlus);
  EXPECT_EQ(Text(MainEl::TotalStakeCounter), "2");
}

TEST_F(Controls, EveryCounterFollowsAStakeChange) {
  Click(MainEl::StakePlus);
  Click(MainEl::LinesMinus);
  EXPECT_EQ(Text(MainEl::LineStakeCounter), "2");
  EXPECT_EQ(Text(MainEl::LinesCounter), "49");
  EXPECT_EQ(Text(MainEl::TotalStakeCounter), "98");
  EXPECT_EQ(s().TotalStake, 98);
  Click(MainEl::StartButton);
  EXPECT_EQ(Text(MainEl::CreditCounter), std::to_string(30000 - 98));
}

struct GaugeCase {
  const char* name;
  std::int64_t start, experience, next;
  int position;
};

class Gauge : public MachineTest, public ::testing::WithParamInterface<GaugeCase> {};

TEST_P(Gauge, ShowsProgressTowardsTheNextLevel) {
  const GaugeCase& c = GetParam();
  s().LevelStartExperience = c.start;
  s().Experience = c.experience;
  s().NextLevelExperience = c.next;
  form().RefreshDisplay();
  EXPECT_EQ(desk_.State(Ref(MainEl::ExperienceGauge)).gauge, c.position);
  EXPECT_EQ(Text(MainEl::ExperienceText),
            std::to_string(c.experience) + "  /  " + std::to_string(c.next));
}

INSTANTIATE_TEST_SUITE_P(
    Positions, Gauge,
    ::testing::Values(GaugeCase{"Empty", 0, 0, 20000, 0}, GaugeCase{"Half", 0, 10000, 20000, 50},
                      GaugeCase{"PastTheThresholdIsFull", 20000, 75000, 60000, 100},
                      GaugeCase{"FillsAsTheLabelReadsPastTheLevelsStart", 20000, 30000, 60000, 50},
                      GaugeCase{"AThresholdUnderAHundredIsFull", 0, 50, 99, 100},
                      GaugeCase{"ANegativeThresholdNeverDividesByZero", 0, 10, -5, 100},
                      GaugeCase{"NegativeExperienceIsEmpty", 0, -10, 20000, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Controls, TheSoundSwitchTogglesItsPictureAndSilencesEveryCue) {
  Click(MainEl::SoundSwitch);
  EXPECT_EQ(s().SoundOn, 0);
  EXPECT_EQ(Pic(MainEl::SoundSwitch), Picture::SoundOff);
  desk_.ClearCues();
  WaitFor(Winning);
  Click(MainEl::StartButton);
  FinishSpin();
  EXPECT_GT(s().LastWin, 0);
  EXPECT_TRUE(desk_.cues().empty());
  Click(MainEl::SoundSwitch);
  EXPECT_EQ(Pic(MainEl::SoundSwitch), Picture::SoundOn);
  Click(MainEl::StartButton);
  FinishSpin();
  EXPECT_EQ(CueCount(Cue::Click), 21);
}

TEST_F(Controls, TheSoundSwitchWorksWhileTheReelsTurn) {
  Click(MainEl::StartButton);
  desk_.RunFor(500);
  Click(MainEl::SoundSwitch);
  EXPECT_EQ(s().SoundOn, 0);
  desk_.ClearCues();
  FinishSpin();
  EXPECT_TRUE(desk_.cues().empty());
}

TEST_F(Controls, TheLegendOpensModallyAndChangesNothing) {
  const SaveBytes before = Encode(s());
  desk_.Then(500, [this] { EXPECT_TRUE(desk_.IsShown(WindowId::Legend)); });
  desk_.Then(10, [this] { desk_.CloseByWindowSystem(WindowId::Legend); });
  Click(MainEl::LegendButton);
  EXPECT_FALSE(desk_.IsShown(WindowId::Legend));
  EXPECT_EQ(Encode(s()), before);
}

TEST_F(Controls, ACounterPanelClickAfterALosingSpinDoesNothing) {
  WaitFor(Losing);
  Click(MainEl::StartButton);
  FinishSpin();
  const std::int64_t balance = s().Balance;
  for (MainEl e :
       {MainEl::WinPanel, MainEl::BalancePanel, MainEl::LevelBadge, MainEl::DoubleButton})
    Click(e);
  EXPECT_EQ(s().Balance, balance);
}

}  // namespace
}  // namespace tarvolenka
