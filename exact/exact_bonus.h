#pragma once

// Exact expected results of the bonus games under random picks. The deals (what lies under the
// hats, bottles, cups, vegetables, covers and board cells) are dealt by the games' own rules;
// the expectations follow from how each game ends:
// - chooser: a random hat, so each game's share is how many hats hide it, over three;
// - drinks: a random bottle, then random cups, any cup, an open one counting again, until one
//   prize level has been found the game's number of times; bottle and cups are independent, so
//   the value is E[multiplier] × E[cup prize] (the latter by a recursion over the hit counts);
// - meze: one random cell per row; a zero ends the game after its row, the last row ends it;
// - golden: a random cover gives the fouls allowed, then random covered cells until that many
//   fouls are found; the prize is the rung of the coins found (a recursion over coins and fouls).

#include <array>

#include "core/random.h"

namespace tarvolenka {

class BonusCalculator {
 public:
  // Whether `bonusSymbols` visible bonus symbols open a bonus game.
  bool Opens(int bonusSymbols);
  // The probability that the chooser gives game 1 (drinks), 2 (meze), 3 (golden).
  std::array<double, 3> ChooserShares();
  // Expected results per unit of stake per line, multiplier included, when `bonusSymbols`
  // opened the game.
  double DrinksValue(int bonusSymbols);
  double MezeValue(int bonusSymbols);
  double GoldenValue();
  // The parts of the drinks value.
  double BottleMultiplier();
  double CupPrize(int bonusSymbols);

 private:
  Random rng_;  // what the deals are drawn from: their values do not depend on it
};

}  // namespace tarvolenka
