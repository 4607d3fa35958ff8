#pragma once

#include <cstdint>

#include "core/random.h"

namespace tarvolenka {

// A drawn or guessed drink.
enum Drink : std::uint8_t { kBeer = 0, kVodka = 1 };

// What one guess or joker did to the gamble.
struct DoubleUpStep {
  Drink shown = kBeer;  // the drink the strip shows: the one drawn, or the guess for the joker
  bool won = false;
  int rung = 0;             // the rung climbed to, or lost on: 1 .. 7
  std::int64_t inHand = 0;  // the amount in hand after the step
  bool over = false;        // the top rung reached, or the win lost
};

// The double-up's rules: the last win gambled on vodka or beer, rung by rung up a ladder of
// seven, each rung doubling it until the top pays 300 times. A wrong guess loses it all; the
// player may collect between guesses. Plain state, no windows: the window shows it.
class DoubleUpRules {
 public:
  static constexpr int kTopRung = 7;

  // A new gamble on `win`: no rung climbed, the win in hand, guesses open.
  void Start(std::int64_t win);
  // Draws a drink from the game's generator and climbs a rung if it is the one guessed.
  DoubleUpStep Guess(Drink guess, Random& rng);
  // The joker: the guess counts as drawn, and the strip shows it.
  DoubleUpStep UseJoker(Drink guess);
  // The window's shake from the sixth rung on: a step of -15 .. 15 each way, from the generator.
  static void ShakeStep(Random& rng, int& dx, int& dy);

  std::int64_t win() const { return win_; }
  std::int64_t inHand() const { return inHand_; }
  int rung() const { return rung_; }
  bool open() const { return open_; }

 private:
  DoubleUpStep Climb(Drink shown);
  DoubleUpStep Lose(Drink shown);

  std::int64_t win_ = 0;
  std::int64_t inHand_ = 0;
  int rung_ = 0;
  bool open_ = false;
};

// The amount in hand on `rung` (1 .. 7) of a gamble on `win`.
std::int64_t AmountOnRung(std::int64_t win, int rung);

}  // namespace tarvolenka
