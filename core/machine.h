#pragma once

// The machine's state for the whole run: the saved game state and the run-time values that
// every window reads and writes in place. The main window owns it. A bonus round's values
// belong to its rules, the double-up's amount in hand to the double-up's, and the spin cycle's
// counters to the spin cycle's.

#include <array>
#include <cstdint>

#include "core/game_record.h"
#include "core/game_state.h"
#include "core/paylines.h"
#include "core/random.h"
#include "core/reels.h"

namespace tarvolenka {

struct Machine {
  GameState State;
  Random Rng;

  // The reels as they stand. Their motion belongs to the main window's ReelSpin, and the spin
  // cycle's counters and winning lines to its SpinCycle.
  ReelWindow Reels;

  // Control flags: the flag decides whether a click acts, the picture only shows it.
  std::uint8_t StartEnabled = 0;
  std::uint8_t DoubleEnabled = 0;
  std::uint8_t StakePlusEnabled = 0;
  std::uint8_t StakeMinusEnabled = 0;
  std::uint8_t LinesPlusEnabled = 0;
  std::uint8_t LinesMinusEnabled = 0;
  std::uint8_t LegendEnabled = 0;

  // The game being played, for the history.
  GameRecord Record;
};

}  // namespace tarvolenka
