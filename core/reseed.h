#pragma once

#include "core/desktop.h"
#include "core/random.h"

namespace tarvolenka {

// Re-seeds the game's generator from the clock: at start-up, every spin start, and when the
// double-up or the golden pick opens.
inline void ReseedFromClock(Desktop& desktop, Random& random) {
  random.Seed(desktop.MillisSinceMidnightUtc());
}

}  // namespace tarvolenka
