#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace tarvolenka {

// The meze rows in the order of play, from the bottom of the window up.
enum class MezeRow : std::uint8_t { Zele, Domat, Kartof, Riapa };

// The prizes of each row in their order of placement, in units of the stake per line before
// they are scaled by the number of bonus symbols; the cells left over hold zeros. Only the
// first row is free of zeros, so the first pick never ends the game.
inline constexpr std::array<std::int64_t, 6> kZelePrizes{15, 10, 20, 25, 10, 10};
inline constexpr std::array<std::int64_t, 4> kDomatPrizes{30, 35, 20, 20};
inline constexpr std::array<std::int64_t, 3> kKartofPrizes{60, 40, 40};
inline constexpr std::array<std::int64_t, 2> kRiapaPrizes{200, 100};

// The rows are filled from the top down: Riapa first, Zele last.
inline constexpr std::array<MezeRow, 4> kMezePlacementOrder{MezeRow::Riapa, MezeRow::Kartof,
                                                            MezeRow::Domat, MezeRow::Zele};

constexpr std::span<const std::int64_t> MezePrizeSet(MezeRow row) {
  switch (row) {
    case MezeRow::Zele:
      return kZelePrizes;
    case MezeRow::Domat:
      return kDomatPrizes;
    case MezeRow::Kartof:
      return kKartofPrizes;
    case MezeRow::Riapa:
      return kRiapaPrizes;
  }
  return {};
}

}  // namespace tarvolenka
