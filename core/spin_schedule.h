#pragma once

#include <array>

#include "catalogue/durations.h"
#include "core/reels.h"

namespace tarvolenka {

// The stop schedule: reel k stops after kStopAfter[k-1] one-cell advances, and the spin
// ends with the last. Each stop slows the spin timer to the next period.
inline constexpr std::array<int, 5> kStopAfter{8, 12, 15, 18, 21};

// Reels already stopped after `advances` advances (0..5).
constexpr int ReelsStopped(int advances) {
  int stopped = 0;
  while (stopped < 5 && advances >= kStopAfter[static_cast<std::size_t>(stopped)]) ++stopped;
  return stopped;
}

constexpr int TickPeriod(int advances) {
  const int stopped = ReelsStopped(advances);
  return durations::kSpinTickPeriods[stopped < 5 ? stopped : 4];
}

// The turning flags of each of a spin's advances: reel k turns until kStopAfter[k - 1] advances.
// The spin cycle works them out tick by tick; a batch of advances takes them all at once.
constexpr std::array<ReelFlags, kStopAfter.back()> MakeStopSchedule() {
  std::array<ReelFlags, kStopAfter.back()> schedule{};
  for (int advance = 0; advance < kStopAfter.back(); ++advance)
    for (int reel = 1; reel <= kReels; ++reel)
      schedule[static_cast<std::size_t>(advance)][static_cast<std::size_t>(reel - 1)] =
          reel > ReelsStopped(advance) ? 1 : 0;
  return schedule;
}

inline constexpr auto kStopSchedule = MakeStopSchedule();

static_assert(ReelsStopped(7) == 0 && ReelsStopped(8) == 1 && ReelsStopped(20) == 4);
static_assert(TickPeriod(0) == 1 && TickPeriod(11) == 5 && TickPeriod(12) == 10 &&
              TickPeriod(17) == 15 && TickPeriod(18) == 20);

}  // namespace tarvolenka
