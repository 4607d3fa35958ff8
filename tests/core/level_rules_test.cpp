// The levels' and the timed bonus's rules on the saved state alone.

#include "core/level_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvolenka {
namespace {

struct LevelRow {
  const char* name;
  std::int32_t level;
  std::int64_t experience;
  std::int64_t threshold;
  bool raised;
  std::int64_t nextThreshold;  // after the call
};

const LevelRow kLevelRows[] = {
    {"BelowTheThresholdNothingChanges", 3, 99999, 100000, false, 100000},
    {"OnTheThresholdTheLevelRises", 3, 100000, 100000, true, 180000},
    {"FarPastTheThresholdOneLevelAtATime", 1, 900000, 20000, true, 60000},
    {"TheTopLevelRisesNoFurther", kTopLevel, 1000000000, 0, false, 0},
};

class LevelRows : public ::testing::TestWithParam<LevelRow> {};

TEST_P(LevelRows, RaiseTheLevelWithItsValuesOnlyOnceTheThresholdIsReached) {
  const LevelRow& row = GetParam();
  GameState s = NewGameState(0);
  s.Level = row.level;
  s.Experience = row.experience;
  s.NextLevelExperience = row.threshold;
  const GameState before = s;
  EXPECT_EQ(LevelRules(s).RaiseIfDue(), row.raised);
  EXPECT_EQ(s.NextLevelExperience, row.nextThreshold);
  if (!row.raised) {
    EXPECT_EQ(s.Level, before.Level);
    return;
  }
  EXPECT_EQ(s.Level, row.level + 1);
  EXPECT_EQ(s.MaxLineStake, 10 * s.Level);
  EXPECT_EQ(s.LevelStartExperience, row.experience);
  EXPECT_EQ(s.TimedBonusAmount, 100 * s.Level);
  EXPECT_EQ(s.MegaBonusCeiling, 2000 * s.Level);
  EXPECT_EQ(s.Balance, before.Balance);  // the award is paid by its window
}

INSTANTIATE_TEST_SUITE_P(LevelRules, LevelRows, ::testing::ValuesIn(kLevelRows),
                         [](const ::testing::TestParamInfo<LevelRow>& row) {
                           return std::string(row.param.name);
                         });

TEST(LevelRules, TheAwardIsPaidIntoTheBalanceAndShownAsTheLastWin) {
  GameState s = NewGameState(0);
  s.Level = 7;
  s.Balance = 500;
  EXPECT_EQ(LevelRules(s).PayAward(), 14000);
  EXPECT_EQ(s.Balance, 14500);
  EXPECT_EQ(s.LastWin, 14000);
}

TEST(TimedBonusRules, EverySixthBonusIsTheMegaBonusAndTheNextIsDueAnHourAfterPayment) {
  GameState s = NewGameState(0);
  s.TimedBonusAmount = 300;
  s.BonusStage = 0;
  const DateTime now = 46000.5;
  std::string kinds;
  for (int taken = 0; taken < 7; ++taken) {
    s.JokerUses = 2;
    const TimedBonusKind kind = TimedBonusRules(s).Take();
    EXPECT_EQ(s.JokerUses, 0);
    EXPECT_EQ(s.LastWin, 0);
    kinds += kind == TimedBonusKind::Mega ? 'M' : 't';
    if (kind == TimedBonusKind::Timed) {
      EXPECT_EQ(TimedBonusRules(s).Award(), 300);
    }
    const std::int64_t balance = s.Balance;
    const std::int64_t won = s.LastWin;
    EXPECT_EQ(TimedBonusRules(s).Pay(now), kind == TimedBonusKind::Mega);
    EXPECT_EQ(s.Balance, balance + won);
    EXPECT_EQ(s.BonusDueTime, PlusOneHour(now));
  }
  EXPECT_EQ(kinds, "tttttMt");
}

TEST(TimedBonusRules, AStageOutOfRangeStartsAgainFromTheFirst) {
  GameState s = NewGameState(0);
  s.BonusStage = 9;
  EXPECT_EQ(TimedBonusRules(s).Take(), TimedBonusKind::Timed);
  EXPECT_EQ(s.BonusStage, 0);
}

}  // namespace
}  // namespace tarvolenka
