#pragma once

#include <array>
#include <cstddef>

namespace tarvolenka {

// Free spins awarded for the scatter symbols on the visible rows, by their count: three, four or
// five of them anywhere give 10, 15 or 20; fewer give none.
inline constexpr std::array<int, 6> kFreeSpinsForScatters{0, 0, 0, 10, 15, 20};

constexpr int FreeSpinsFor(int scatters) {
  if (scatters < 0 || scatters >= static_cast<int>(kFreeSpinsForScatters.size())) return 0;
  return kFreeSpinsForScatters[static_cast<std::size_t>(scatters)];
}

}  // namespace tarvolenka
