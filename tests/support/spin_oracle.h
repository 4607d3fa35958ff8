#pragma once

// Foresees the outcome of a spin from the seed it will draw with, so a test can pick the
// moment to press start that gives the screen it needs. It replays the reel advances of the
// stop schedule independently of the spin cycle: reel k turns for its number of advances.

#include <functional>

#include "core/machine.h"
#include "tests/support/virtual_desktop.h"

namespace tarvolenka::testing {

inline ReelWindow PredictSpin(ReelWindow reels, std::uint32_t seed) {
  constexpr int kAdvancesOfReel[5] = {8, 12, 15, 18, 21};
  Random r;
  r.Seed(seed);
  for (int advance = 1; advance <= 21; ++advance) {
    ReelFlags turning{};
    for (int reel = 0; reel < 5; ++reel)
      turning[static_cast<std::size_t>(reel)] = advance <= kAdvancesOfReel[reel] ? 1 : 0;
    AdvanceReels(reels, turning, r);
  }
  return reels;
}

// Moves the virtual clock on, a millisecond at a time, until a spin started now would end on a
// screen that satisfies `wanted`; returns false if none does within `searchMs`.
inline bool WaitForOutcome(VirtualDesktop& desk, const Machine& m,
                           const std::function<bool(const ReelWindow&)>& wanted,
                           int searchMs = 2000000) {
  for (int i = 0; i < searchMs; ++i) {
    if (wanted(PredictSpin(m.Reels, desk.MillisSinceMidnightUtc()))) return true;
    desk.AdvanceClock(1);
  }
  return false;
}

}  // namespace tarvolenka::testing
