// Stopping the reels and quick spin change only when the spin's moments come: the same draws
// land on the same screen and pay the same, whatever the tempo.

#include "tests/support/machine_fixture.h"

namespace tarvolenka {
namespace {

enum class Way { Full, StoppedEarly, StoppedLate, Quick };

struct Outcome {
  ReelWindow reels{};
  std::int64_t balance = 0;
  std::int64_t lastWin = 0;
  std::int64_t ms = 0;  // from the press to the reels' rest
};

// A fresh game on its own virtual desktop: one paid spin, pressed `waitMs` after the start and
// played the given way.
Outcome SpinOnce(Way way, std::int64_t waitMs) {
  testing::TempDir dir;
  testing::VirtualDesktop desk{MakeDateTime(2026, 12, 8, 10, 0, 0)};
  Game game(desk, dir / kSaveFileName);
  game.main().SetBonusStep(nullptr);
  desk.Start();
  game.main().SetQuickSpin(way == Way::Quick);
  const auto spinning = [&desk] { return desk.IsTimerRunning(TimerOf(MainTimer::Spin)); };
  desk.RunFor(waitMs);
  const std::int64_t pressed = desk.now();
  desk.Click(Ref(MainEl::StartButton));
  if (way == Way::StoppedEarly || way == Way::StoppedLate) {
    desk.RunFor(way == Way::StoppedEarly ? 40 : 1900);
    EXPECT_TRUE(spinning());
    desk.Click(Ref(MainEl::StartButton));
    EXPECT_FALSE(spinning());
  }
  EXPECT_TRUE(desk.RunUntil([&] { return !spinning(); }, 60000));
  const Machine& m = game.machine();
  Outcome out{m.Reels, m.State.Balance, m.State.LastWin, desk.now() - pressed};
  if (way == Way::Quick) {
    EXPECT_EQ(desk.TimerInterval(TimerOf(MainTimer::FreeSpin)), 750);
    EXPECT_EQ(desk.TimerInterval(TimerOf(MainTimer::AutoPlay)), 750);
  }
  return out;
}

struct Row {
  const char* name;
  std::int64_t waitMs;
};

class SpinTempo : public ::testing::TestWithParam<Row> {};

TEST_P(SpinTempo, StoppedAndQuickSpinsLandAndPayAsTheFullSpin) {
  const Outcome full = SpinOnce(Way::Full, GetParam().waitMs);
  EXPECT_EQ(full.ms, ScheduledSpinMs(kPaidSpinStep));
  for (const Way way : {Way::StoppedEarly, Way::StoppedLate, Way::Quick}) {
    const Outcome o = SpinOnce(way, GetParam().waitMs);
    EXPECT_EQ(o.reels, full.reels) << static_cast<int>(way);
    EXPECT_EQ(o.balance, full.balance) << static_cast<int>(way);
    EXPECT_EQ(o.lastWin, full.lastWin) << static_cast<int>(way);
    if (way == Way::Quick) {
      // Three eighths of the schedule, rounded up to the timer's milliseconds.
      EXPECT_EQ(o.ms, (full.ms * durations::kQuickTempo + 999) / 1000);
      EXPECT_LE(o.ms * 100, full.ms * 40);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, SpinTempo,
                         ::testing::Values(Row{"AtOnce", 0}, Row{"AfterASecond", 1000},
                                           Row{"AfterAMinute", 61'234},
                                           Row{"AfterAnHour", 3'600'007},
                                           Row{"NearMidnight", 50'399'993}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tarvolenka
