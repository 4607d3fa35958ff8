#pragma once

// The golden board: sixteen cells hide ten coins and six fouls.

#include <array>

#include "durations.h"
#include "element_builders.h"

namespace tarvolenka {

enum class GoldenBoardEl : std::uint16_t { Count };

template <>
struct WindowOf<GoldenBoardEl> {
  static constexpr WindowId value = WindowId::GoldenBoard;
};

namespace golden_board_window {
using namespace build;

inline constexpr std::array<ElementSpec, static_cast<std::size_t>(GoldenBoardEl::Count)> kElements{};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::GoldenBoard, "TFormZlatenBonus", "Златен Бонус", 533, 440, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
}  // namespace golden_board_window

}  // namespace tarvolenka
