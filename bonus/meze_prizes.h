#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace tarvolenka {

// The meze rows in the order of play, from the bottom of the window up.
enum class MezeRow : std::uint8_t { Cabbage, Tomato, Potato, Turnip };

// The prizes of each row in their order of placement, in units of the stake per line before
// they are scaled by the number of bonus symbols; the cells left over hold zeros. Only the
// first row is free of zeros, so the first pick never ends the game.
inline constexpr std::array<std::int64_t, 6> kCabbagePrizes{15, 10, 20, 25, 10, 10};
inline constexpr std::array<std::int64_t, 4> kTomatoPrizes{30, 35, 20, 20};
inline constexpr std::array<std::int64_t, 3> kPotatoPrizes{60, 40, 40};
inline constexpr std::array<std::int64_t, 2> kTurnipPrizes{200, 100};

// The rows are filled from the top down: Turnip first, Cabbage last.
inline constexpr std::array<MezeRow, 4> kMezePlacementOrder{MezeRow::Turnip, MezeRow::Potato,
                                                            MezeRow::Tomato, MezeRow::Cabbage};

constexpr std::span<const std::int64_t> MezePrizeSet(MezeRow row) {
  switch (row) {
    case MezeRow::Cabbage:
      return kCabbagePrizes;
    case MezeRow::Tomato:
      return kTomatoPrizes;
    case MezeRow::Potato:
      return kPotatoPrizes;
    case MezeRow::Turnip:
      return kTurnipPrizes;
  }
  return {};
}

}  // namespace tarvolenka
