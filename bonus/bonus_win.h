#pragma once

#include <algorithm>
#include <cstdint>

#include "core/arith.h"
#include "core/machine.h"

namespace tarvolenka {

// The money a bonus game has won: stake per line × multiplier × the game's result. Reckoned in
// 64 bits, so the golden board's top prize at the highest stake is paid in full; the result
// window shows this same figure.
inline std::int64_t BonusWin(const Machine& m) {
  const std::int64_t win =
      SatMul(SatMul(Widen(m.State.LineStake), std::int64_t{m.BonusMultiplier}), m.BonusAmount);
  return std::max<std::int64_t>(win, 0);
}

}  // namespace tarvolenka
