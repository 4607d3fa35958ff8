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
  m().KanalPlusEnabled = 1;
  m().KanalMinusEnabled = 1;
  Click(c.click);
  EXPECT_EQ(s().LineStake, c.stakeAfter);
  EXPECT_EQ(s().StakeStep, c.stepAfter);
  EXPECT_EQ(m().KanalPlusEnabled, c.plusEnabledAfter ? 1 : 0);
  EXPECT_EQ(m().KanalMinusEnabled, c.minusEnabledAfter ? 1 : 0);
  EXPECT_EQ(Pic(MainEl::ImageKanalPlus),
            c.plusEnabledAfter ? Picture::ArrowPlus : Picture::ArrowPlusGrey);
  EXPECT_EQ(Pic(MainEl::ImageKanalMinus),
            c.minusEnabledAfter ? Picture::ArrowMinus : Picture::ArrowMinusGrey);
  EXPECT_EQ(Text(MainEl::Kanal), std::to_string(c.stakeAfter));
  EXPECT_EQ(Text(MainEl::TotalKanal), std::to_string(50 * c.stakeAfter));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, StakeLadder,
    ::testing::Values(
        StakeCase{"Level1PlusAtTenStaysAndGreys", 1, 10, 4, MainEl::ImageKanalPlus, 10, 4, false, true},
        StakeCase{"Level1MinusFromTenGivesFive", 1, 10, 4, MainEl::ImageKanalMinus, 5, 3, true, true},
        StakeCase{"Level3PlusFromTwentyIsCutAtThirty", 3, 20, 5, MainEl::ImageKanalPlus, 30, 6, false, true},
        StakeCase{"Level3MinusFromThirtyGivesTwenty", 3, 30, 6, MainEl::ImageKanalMinus, 20, 5, true, true},
        StakeCase{"MinusAtOneKeepsOneAndGreys", 1, 1, 1, MainEl::ImageKanalMinus, 1, 1, true, false},
        StakeCase{"PlusClimbsTheLadder", 100, 50, 6, MainEl::ImageKanalPlus, 100, 7, true, true},
        StakeCase{"PlusAtTheTopKeepsTheTop", 20000, 100000, 16, MainEl::ImageKanalPlus, 100000, 16, true, true}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST_F(Controls, TheLadderFromOneToTheLevelMaximumAndBack) {
  Launch([](GameState& g) { g.Level = 3; });
  std::vector<int> up;
  for (int i = 0; i < 8; ++i) {
    Click(MainEl::ImageKanalPlus);
    up.push_back(s().LineStake);
  }
  EXPECT_EQ(up, (std::vector<int>{2, 5, 10, 20, 30, 30, 30, 30}));
  std::vector<int> down;
  for (int i = 0; i < 7; ++i) {
    Click(MainEl::ImageKanalMinus);
    down.push_back(s().LineStake);
  }
  EXPECT_EQ(down, (std::vector<int>{20, 10, 5, 2, 1, 1, 1}));
}

TEST_F(Controls, LinesStayWithinOneAndFiftyWithoutGreying) {
  Click(MainEl::ImageLinesPlus);
  EXPECT_EQ(s().LineCount, 50);
  EXPECT_EQ(m().LinesPlusEnabled, 1);
  for (int i = 0; i < 60; ++i) Click(MainEl::ImageLinesMinus);
  EXPECT_EQ(s().LineCount, 1);
  EXPECT_EQ(m().LinesMinusEnabled, 1);
  EXPECT_EQ(Text(MainEl::Lines), "1");
  EXPECT_EQ(Text(MainEl::TotalKanal), "1");
  Click(MainEl::ImageLinesPlus);
  EXPECT_EQ(Text(MainEl::TotalKanal), "2");
}

TEST_F(Controls, EveryCounterFollowsAStakeChange) {
  Click(MainEl::ImageKanalPlus);
  Click(MainEl::ImageLinesMinus);
  EXPECT_EQ(Text(MainEl::Kanal), "2");
  EXPECT_EQ(Text(MainEl::Lines), "49");
  EXPECT_EQ(Text(MainEl::TotalKanal), "98");
  EXPECT_EQ(s().TotalStake, 98);
  Click(MainEl::ImageStart);
  EXPECT_EQ(Text(MainEl::Credit), std::to_string(30000 - 98));
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
  EXPECT_EQ(desk_.State(Ref(MainEl::Gauge1)).gauge, c.position);
  EXPECT_EQ(Text(MainEl::Expirience1),
            std::to_string(c.experience) + "  /  " + std::to_string(c.next));
}

INSTANTIATE_TEST_SUITE_P(
    Positions, Gauge,
    ::testing::Values(GaugeCase{"Empty", 0, 0, 20000, 0}, GaugeCase{"Half", 0, 10000, 20000, 50},
                      GaugeCase{"PastTheThresholdIsFull", 20000, 75000, 60000, 100},
                      GaugeCase{"ZeroSpanIsFull", 59950, 60000, 60000, 100},
                      GaugeCase{"NegativeSpanNeverDividesByZero", 60000, 60010, 59990, 100},
                      GaugeCase{"BehindTheStartIsEmpty", 20000, 10000, 60000, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Controls, TheSoundSwitchTogglesItsPictureAndSilencesEveryCue) {
  Click(MainEl::ImageSound);
  EXPECT_EQ(s().SoundOn, 0);
  EXPECT_EQ(Pic(MainEl::ImageSound), Picture::SoundOff);
  desk_.ClearCues();
  WaitFor(Winning);
  Click(MainEl::ImageStart);
  FinishSpin();
  EXPECT_GT(s().LastWin, 0);
  EXPECT_TRUE(desk_.cues().empty());
  Click(MainEl::ImageSound);
  EXPECT_EQ(Pic(MainEl::ImageSound), Picture::SoundOn);
  Click(MainEl::ImageStart);
  FinishSpin();
  EXPECT_EQ(CueCount(Cue::Click), 21);
}

TEST_F(Controls, TheSoundSwitchWorksWhileTheReelsTurn) {
  Click(MainEl::ImageStart);
  desk_.RunFor(500);
  Click(MainEl::ImageSound);
  EXPECT_EQ(s().SoundOn, 0);
  desk_.ClearCues();
  FinishSpin();
  EXPECT_TRUE(desk_.cues().empty());
}

TEST_F(Controls, TheLegendOpensModallyAndChangesNothing) {
  const SaveBytes before = Encode(s());
  desk_.Then(500, [this] { EXPECT_TRUE(desk_.IsShown(WindowId::Legend)); });
  desk_.Then(10, [this] { desk_.CloseByWindowSystem(WindowId::Legend); });
  Click(MainEl::ImageTablica);
  EXPECT_FALSE(desk_.IsShown(WindowId::Legend));
  EXPECT_EQ(Encode(s()), before);
}

TEST_F(Controls, ACounterPanelClickAfterALosingSpinDoesNothing) {
  WaitFor(Losing);
  Click(MainEl::ImageStart);
  FinishSpin();
  const std::int64_t balance = s().Balance;
  for (MainEl e : {MainEl::ImagePechalba, MainEl::ImageBalans, MainEl::Level1, MainEl::ImageDouble})
    Click(e);
  EXPECT_EQ(s().Balance, balance);
}

}  // namespace
}  // namespace tarvolenka
