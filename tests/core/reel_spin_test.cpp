// The reels' spin on its own: tick by tick from a known generator.

#include "core/reel_spin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/spin_schedule.h"

namespace tarvolenka {
namespace {

struct SpinRow {
  const char* name;
  std::int32_t step;
  int ticksPerCell;
};

const SpinRow kSpinRows[] = {
    {"PaidSpin", kPaidSpinStep, 13},
    {"FreeSpin", kFreeSpinStep, 6},
};

class SpinRows : public ::testing::TestWithParam<SpinRow> {};

TEST_P(SpinRows, StopReelAfterReelOnTheScheduleAndDrawAsTheBatchDoes) {
  const SpinRow& row = GetParam();
  Random rng;
  rng.Seed(2024);
  ReelWindow reels;
  FillReelsAtStart(reels, rng);
  Random batchRng = rng;
  ReelWindow batch = reels;
  AdvanceReels(batch, kStopSchedule, batchRng);

  ReelSpin spin;
  spin.SetStep(row.step);
  spin.Start();
  std::vector<int> stoppedAt(kReels, -1);
  int ticks = 0;
  int clicks = 0;
  for (SpinTick tick; !tick.ended; ++ticks) {
    tick = spin.Tick(reels, rng);
    clicks += tick.click ? 1 : 0;
    if (tick.ended) break;
    EXPECT_EQ(tick.period, TickPeriod(spin.advances()));
    for (std::size_t r = 0; r < stoppedAt.size(); ++r) {
      if (stoppedAt[r] < 0 && spin.turning()[r] == 0) stoppedAt[r] = spin.advances();
      if (spin.turning()[r] == 0) {
        EXPECT_EQ(spin.reelOffsets()[r], kRestOffset);
      }
    }
  }
  EXPECT_EQ(std::vector<int>(stoppedAt.begin(), stoppedAt.begin() + 4),
            (std::vector<int>{8, 12, 15, 18}));
  EXPECT_EQ(ticks + 1, kStopAfter.back() * row.ticksPerCell);
  EXPECT_EQ(clicks, kStopAfter.back());
  EXPECT_EQ(reels, batch);  // the same cells, from the same draws
  EXPECT_EQ(rng.Below(1000), batchRng.Below(1000));

  spin.Rest();
  EXPECT_EQ(spin.advances(), 0);
  EXPECT_EQ(spin.reelOffsets(),
            (std::array<std::int32_t, kReels>{kRestOffset, kRestOffset, kRestOffset, kRestOffset,
                                              kRestOffset}));
}

INSTANTIATE_TEST_SUITE_P(ReelSpin, SpinRows, ::testing::ValuesIn(kSpinRows),
                         [](const ::testing::TestParamInfo<SpinRow>& row) {
                           return std::string(row.param.name);
                         });

}  // namespace
}  // namespace tarvolenka
