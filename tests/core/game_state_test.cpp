#include "core/game_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace tarvolenka {
namespace {

TEST(NewGameState, EncodesToTheKnownBytes) {
  const SaveBytes b = Encode(NewGameState(MakeDateTime(2026, 12, 8, 12)));
  // clang-format off
  const std::uint8_t expected[104] = {
      0x30, 0x75, 0, 0, 0, 0, 0, 0,  // Balance 30000
      0, 0, 0, 0, 0, 0, 0, 0,        // LastWin
      0x32, 0, 0, 0, 1, 0, 0, 0,     // LineCount 50, LineStake 1
      0x32, 0, 0, 0, 1, 0, 0, 0,     // TotalStake 50, Level 1
      1, 0, 0, 0, 0x0A, 0, 0, 0,     // StakeStep 1, MaxLineStake 10
      0, 0, 0, 0, 0, 0, 0, 0,        // JokerUses, unused
      0, 0, 0, 0, 0, 0, 0, 0,        // Experience
      0, 0, 0, 0, 0, 0, 0, 0,        // LevelStartExperience
      0x20, 0x4E, 0, 0, 0, 0, 0, 0,  // NextLevelExperience 20000
      0, 0, 0, 0, 0, 0, 0, 0,        // reserved
      0x64, 0, 0, 0, 0, 0, 0, 0,     // TimedBonusAmount 100
      0xD0, 0x07, 0, 0, 0, 0, 0, 0,  // MegaBonusCeiling 2000
      0, 0, 0, 0, 0, 0, 0, 0,        // BonusStage, unused
  };
  // clang-format on
  EXPECT_EQ(std::memcmp(b.data(), expected, sizeof expected), 0);
  EXPECT_EQ(b[112], 1);
  for (std::size_t i = 113; i < 120; ++i) EXPECT_EQ(b[i], 0) << i;
}

TEST(NewGameState, IsDueAtTheMomentItWasCreated) {
  const DateTime now = MakeDateTime(2026, 12, 8, 12, 30);
  const SaveBytes b = Encode(NewGameState(now));
  double due = 0;
  std::memcpy(&due, b.data() + 104, 8);  // this machine is little-endian like the file
  EXPECT_EQ(due, now);
}

TEST(GameStateCodec, RoundTripsEveryFieldIncludingUnusedBytes) {
  SaveBytes bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 37 + 11);
  // Keep the date-time a finite number so the comparison is exact.
  const double when = 46364.25;
  std::memcpy(bytes.data() + 104, &when, 8);
  EXPECT_EQ(Encode(Decode(bytes)), bytes);
}

TEST(GameStateCodec, ReadsLittleEndianSignedFields) {
  SaveBytes bytes{};
  bytes[0] = 0xFF;  // Balance -1: all bytes FF
  for (int i = 1; i < 8; ++i) bytes[static_cast<std::size_t>(i)] = 0xFF;
  bytes[16] = 0x34;
  bytes[17] = 0x12;  // LineCount 0x1234
  bytes[96] = 7;     // BonusStage
  const GameState s = Decode(bytes);
  EXPECT_EQ(s.Balance, -1);
  EXPECT_EQ(s.LineCount, 0x1234);
  EXPECT_EQ(s.BonusStage, 7);
}

struct RepairCase {
  const char* name;
  void (*damage)(GameState&);
  unsigned repaired;
  void (*check)(const GameState&);
};

class RepairTest : public ::testing::TestWithParam<RepairCase> {};

TEST_P(RepairTest, BringsTheDamagedFieldIntoRangeAndKeepsTheRest) {
  const DateTime now = MakeDateTime(2026, 12, 8, 9);
  GameState s = NewGameState(now - 1);
  s.Balance = 123456789;
  s.Experience = 555;
  GetParam().damage(s);
  GameState expectedRest = s;
  EXPECT_EQ(RepairGameState(s, now), GetParam().repaired);
  GetParam().check(s);
  EXPECT_EQ(s.Balance, 123456789);
  EXPECT_EQ(s.Experience, 555);
  EXPECT_EQ(s.TimedBonusAmount, expectedRest.TimedBonusAmount);
}

INSTANTIATE_TEST_SUITE_P(
    DamagedFields, RepairTest,
    ::testing::Values(
        RepairCase{"LineCountZero", [](GameState& s) { s.LineCount = 0; }, kRepairedLineCount,
                   [](const GameState& s) { EXPECT_EQ(s.LineCount, 1); }},
        RepairCase{"LineCountHuge", [](GameState& s) { s.LineCount = 9999; }, kRepairedLineCount,
                   [](const GameState& s) { EXPECT_EQ(s.LineCount, 50); }},
        RepairCase{"LineStakeNegative", [](GameState& s) { s.LineStake = -5; }, kRepairedLineStake,
                   [](const GameState& s) { EXPECT_EQ(s.LineStake, 1); }},
        // Level 1 stops at 10, with the step stake-plus gives it.
        RepairCase{"LineStakeAboveTheLevelsMaximum", [](GameState& s) { s.LineStake = 50000; },
                   kRepairedLineStake | kRepairedStakeStep,
                   [](const GameState& s) { EXPECT_EQ(s.LineStake, 10); }},
        RepairCase{"LevelZero", [](GameState& s) { s.Level = 0; }, kRepairedLevel,
                   [](const GameState& s) { EXPECT_EQ(s.Level, 1); }},
        RepairCase{"LevelOverflowingItsStake",
                   [](GameState& s) { s.Level = std::numeric_limits<std::int32_t>::max(); },
                   kRepairedLevel, [](const GameState& s) { EXPECT_LE(s.Level, 100000); }},
        RepairCase{"StakeStepZero", [](GameState& s) { s.StakeStep = 0; }, kRepairedStakeStep,
                   [](const GameState& s) { EXPECT_EQ(s.StakeStep, 1); }},
        // Stake-minus from a step above level 1's ladder would pass its maximum.
        RepairCase{"StakeStepSeventeen", [](GameState& s) { s.StakeStep = 17; }, kRepairedStakeStep,
                   [](const GameState& s) { EXPECT_EQ(s.StakeStep, 4); }},
        // The switch flips the lowest bit: 2 would toggle to 3 and never be on.
        RepairCase{"SoundOnTwo", [](GameState& s) { s.SoundOn = 2; }, kRepairedSoundOn,
                   [](const GameState& s) { EXPECT_EQ(s.SoundOn, 1); }},
        RepairCase{
            "DueTimeNotANumber",
            [](GameState& s) { s.BonusDueTime = std::numeric_limits<double>::quiet_NaN(); },
            kRepairedBonusDueTime,
            [](const GameState& s) { EXPECT_EQ(s.BonusDueTime, MakeDateTime(2026, 12, 8, 9)); }},
        RepairCase{"DueTimeInfinite",
                   [](GameState& s) { s.BonusDueTime = std::numeric_limits<double>::infinity(); },
                   kRepairedBonusDueTime,
                   [](const GameState& s) { EXPECT_TRUE(std::isfinite(s.BonusDueTime)); }},
        RepairCase{"NothingDamaged", [](GameState&) {}, 0u,
                   [](const GameState& s) { EXPECT_EQ(s.LineCount, 50); }}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(RepairNegativeTimedBonus, GivesBackTheLevelsAmountAndKeepsTheRest) {
  // Collected as it stood, it would take credit from the balance.
  GameState s = NewGameState(MakeDateTime(2026, 12, 8, 9));
  s.Level = 4;
  s.TimedBonusAmount = -300;
  s.Balance = 123456789;
  GameState expected = s;
  expected.TimedBonusAmount = 400;
  EXPECT_EQ(RepairGameState(s, MakeDateTime(2026, 12, 8, 9)), kRepairedTimedBonusAmount);
  EXPECT_EQ(s, expected);
}

TEST(RepairExperience, LeavesAtMostTheOneLevelUpAGameLeavesDue) {
  const DateTime now = MakeDateTime(2026, 12, 8, 9);
  GameState s = NewGameState(now);  // level 1: thresholds at 20000 and 60000
  s.Experience = 59999;
  EXPECT_EQ(RepairGameState(s, now), 0u);
  s.Experience = std::int64_t{1} << 50;  // a level-up after every game
  EXPECT_EQ(RepairGameState(s, now), kRepairedExperience);
  EXPECT_EQ(s.Experience, 59999);
}

TEST(DateTimeNumbers, CountDaysFromTheEndOf1899) {
  EXPECT_EQ(MakeDateTime(1899, 12, 30), 0.0);
  EXPECT_EQ(MakeDateTime(1900, 1, 1), 2.0);
  EXPECT_EQ(MakeDateTime(2000, 1, 1, 12), 36526.5);
}

TEST(DateTimeNumbers, FormatDistanceDropsTheSignAndShowsTimeOfDayHours) {
  const DateTime t = MakeDateTime(2026, 12, 8, 10);
  EXPECT_EQ(FormatDistance(PlusOneHour(t), t), "01:00:00");
  EXPECT_EQ(FormatDistance(t, PlusOneHour(t)), "01:00:00");
  EXPECT_EQ(FormatDistance(t + 1.0 + 2.0 / 24, t), "02:00:00");
  EXPECT_EQ(FormatDistance(t + 59.4 / 86400, t), "00:00:59");
}

TEST(DateTimeNumbers, DueWithinAMillisecondTolerance) {
  const DateTime due = MakeDateTime(2026, 12, 8, 10);
  EXPECT_TRUE(IsDue(due, due));
  EXPECT_TRUE(IsDue(due - 0.5 / kMillisPerDay, due));
  EXPECT_FALSE(IsDue(due - 2.0 / kMillisPerDay, due));
  EXPECT_TRUE(IsDue(due + 1.0, due));
}

}  // namespace
}  // namespace tarvolenka
