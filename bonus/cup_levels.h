#pragma once

#include <array>
#include <cstdint>

namespace tarvolenka {

// The cups' five prize levels, each hidden under three cups, per bonus symbol that opened the
// bonus; dealt in this order.
inline constexpr std::array<std::int64_t, 5> kCupLevels{5, 10, 20, 50, 150};
inline constexpr int kCupsPerLevel = 3;

}  // namespace tarvolenka
