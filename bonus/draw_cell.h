#pragma once

#include <array>
#include <cstddef>

#include "core/random.h"

namespace tarvolenka {

// Draws cells 0..N-1 until one satisfies `wanted`; the prizes and fouls of the bonus games are
// placed this way, and the number of draws is part of the game's random sequence. Every caller
// leaves at least one wanted cell, so the loop ends.
template <class T, std::size_t N, class Wanted>
std::size_t DrawCellWhere(Random& rng, const std::array<T, N>& cells, Wanted wanted) {
  std::size_t i = 0;
  do {
    i = rng.Below(static_cast<std::uint32_t>(N));
  } while (!wanted(cells[i]));
  return i;
}

// Draws 1..n until the value differs from every value already dealt (0 marks "not dealt").
template <class T, std::size_t N>
T DrawUnusedValue(Random& rng, const std::array<T, N>& dealt, std::uint32_t n) {
  T v{};
  bool used = false;
  do {
    v = static_cast<T>(rng.Below(n) + 1);
    used = false;
    for (T d : dealt) used = used || d == v;
  } while (used);
  return v;
}

}  // namespace tarvolenka
