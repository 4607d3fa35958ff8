#pragma once

#include <array>
#include <cstdint>

namespace tarvolenka {

// The sixteen stakes per line, by StakeStep 1..16 (index 0 unused).
inline constexpr std::array<std::int32_t, 17> kStakeLadder{
    0, 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000, 50000, 100000};
inline constexpr int kStakeSteps = 16;

// The position of the smallest ladder value not below `stake` (a ladder value gives its own
// position, a value between two gives the upper one's); 16 for anything above the top.
constexpr std::int32_t StakeStepOf(std::int32_t stake) {
  for (int step = 1; step <= kStakeSteps; ++step)
    if (kStakeLadder[static_cast<std::size_t>(step)] >= stake) return step;
  return kStakeSteps;
}

}  // namespace tarvolenka
