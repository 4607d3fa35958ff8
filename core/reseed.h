#pragma once

#include "core/random.h"
#include "core/time_port.h"

namespace tarvolenka {

// Re-seeds the game's generator from the clock: at start-up, every spin start, and when the
// double-up or the golden pick opens.
inline void ReseedFromClock(const TimePort& clock, Random& random) {
  random.Seed(clock.MillisSinceMidnightUtc());
}

}  // namespace tarvolenka
