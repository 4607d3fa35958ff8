#pragma once

// The exact figures the rules allow: expectations under ideal draws, with each reel's column at
// its stationary distribution and the five reels independent, and random picks in the bonus
// games. Returns are per paid spin in units of its stake (lines × stake per line).

#include <array>
#include <string>
#include <vector>

#include "core/paylines.h"

namespace tarvolenka {

// The bonus games in the chooser's numbering: 1 drinks (bottles and cups), 2 meze, 3 golden.
inline constexpr int kBonusGames = 3;

// What the figures are worked out for: the lines played, which set the stake (all fifty pay
// whatever the number), and the rung of the double-up's ladder at which wins are collected, or
// 0 when they are never gambled.
struct ExactPlay {
  int lines = 50;
  int doubleUpStopRung = 0;
};

struct ExactFigures {
  // Return to player by source.
  double lines = 0;
  double multiplierLines = 0;
  std::array<double, kBonusGames> bonus{};
  double freeSpins = 0;  // lines and bonus games won in the free spins a paid spin leads to
  double total = 0;      // all of the above; the double-up is not in it

  // Per spin, paid or free.
  std::array<double, kReels + 1> scatterCount{};  // probability of exactly k scatters
  std::array<double, kReels + 1> bonusCount{};    // probability of exactly k bonus symbols
  double freeSpinTrigger = 0;                     // free spins awarded
  double bonusTrigger = 0;                        // a bonus game opened
  std::array<double, kBonusGames> bonusGameRate{};
  double freeSpinsAwarded = 0;  // expected free spins awarded by one spin
  double freeSpinsPerPaidSpin = 0;

  // Bonus game values per unit of stake per line, by the number of bonus symbols (0 where that
  // number opens nothing), and the chooser's shares.
  std::array<std::array<double, kReels + 1>, kBonusGames> bonusValue{};
  std::array<double, kBonusGames> chooserShare{};

  // The double-up: the expected amount in hand per credit gambled with the strategy.
  double doubleUpReturnPerCredit = 1;

  // The line pay of a spin, per unit of stake per line, over all fifty lines.
  double linePayPerSpin = 0;
};

ExactFigures ComputeExact(const ExactPlay& play, const PayTable& table = kPayTable);

// What the exact figures assume, one sentence each.
std::vector<std::string> ExactAssumptions();

}  // namespace tarvolenka
