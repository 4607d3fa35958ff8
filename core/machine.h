#pragma once

// The machine's state for the whole run: the saved game state and the run-time values that
// every window reads and writes in place. The main window owns it.

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

  // The reels as they stand, and the spin cycle's counters. The reels' motion belongs to the
  // main window's ReelSpin.
  ReelWindow Reels;
  std::int32_t FreeSpins = 0;
  std::uint8_t AutoPlay = 0;
  std::uint8_t AutoPlayTimerWasOn = 0;
  WinningLineFlags WinningLines{};

  // Control flags: the flag decides whether a click acts, the picture only shows it.
  std::uint8_t StartEnabled = 0;
  std::uint8_t DoubleEnabled = 0;
  std::uint8_t StakePlusEnabled = 0;
  std::uint8_t StakeMinusEnabled = 0;
  std::uint8_t LinesPlusEnabled = 0;
  std::uint8_t LinesMinusEnabled = 0;
  std::uint8_t LegendEnabled = 0;

  // Hand-over values between the main window and the bonus games.
  std::int32_t BonusSymbolCount = 0;
  std::uint8_t BonusChoice = 0;
  std::int32_t BonusMultiplier = 0;
  // A bonus win per unit of stake while a game runs, the credited amount after payment. Kept in
  // 64 bits: the golden board's top prize times a large stake per line exceeds 32 bits.
  std::int64_t BonusAmount = 0;
  std::int32_t BottleChoice = 0;
  std::uint8_t GoldenPick = 0;

  // The amount in hand when the double-up window closes.
  std::int64_t DoubleAmount = 0;

  // The game being played, for the history.
  GameRecord Record;
};

}  // namespace tarvolenka
