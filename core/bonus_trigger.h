#pragma once

namespace tarvolenka {

// Three bonus symbols or more on the visible rows open a bonus game.
inline constexpr int kBonusSymbolsToOpen = 3;

constexpr bool OpensBonus(int bonusSymbols) {
  return bonusSymbols >= kBonusSymbolsToOpen;
}

}  // namespace tarvolenka
