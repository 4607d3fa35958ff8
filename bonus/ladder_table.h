#pragma once

#include <array>
#include <cstdint>

namespace tarvolenka {

// One rung of the golden board's prize ladder: where the marker stands below the top of the
// ladder picture, and the prize it pays.
struct LadderRung {
  int markerOffset;
  std::int64_t prize;
};

// Rung k is reached with k coins. The rungs are 22 pixels apart, except the bottom one, drawn
// 24 pixels below rung 1.
inline constexpr std::array<LadderRung, 11> kLadderTable{{
    {222, 50},
    {198, 100},
    {176, 200},
    {154, 500},
    {132, 1000},
    {110, 2000},
    {88, 5000},
    {66, 10000},
    {44, 20000},
    {22, 50000},
    {0, 100000},
}};

inline constexpr int kBoardCoins = 10;
inline constexpr int kBoardFouls = 6;
static_assert(kBoardCoins + 1 == static_cast<int>(kLadderTable.size()));

}  // namespace tarvolenka
