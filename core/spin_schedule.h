#pragma once

#include <array>

#include "durations.h"

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

static_assert(ReelsStopped(7) == 0 && ReelsStopped(8) == 1 && ReelsStopped(20) == 4);
static_assert(TickPeriod(0) == 1 && TickPeriod(11) == 5 && TickPeriod(12) == 10 &&
              TickPeriod(17) == 15 && TickPeriod(18) == 20);

}  // namespace tarvolenka
