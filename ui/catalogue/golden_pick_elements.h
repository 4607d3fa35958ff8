#pragma once

// The golden pick: three covers hide the fouls the board allows.

#include <array>

#include "durations.h"
#include "element_builders.h"

namespace tarvolenka {

enum class GoldenPickEl : std::uint16_t { Count };

template <>
struct WindowOf<GoldenPickEl> {
  static constexpr WindowId value = WindowId::GoldenPick;
};

namespace golden_pick_window {
using namespace build;

inline constexpr std::array<ElementSpec, static_cast<std::size_t>(GoldenPickEl::Count)> kElements{};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::GoldenPick, "TForm12", "Златен Бонус", 436, 175, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
}  // namespace golden_pick_window

}  // namespace tarvolenka
