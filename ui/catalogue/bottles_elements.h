#pragma once

// The bottles bonus: five bottles hide the multipliers 1 to 5.

#include <array>

#include "durations.h"
#include "element_builders.h"

namespace tarvolenka {

enum class BottlesEl : std::uint16_t { Count };

template <>
struct WindowOf<BottlesEl> {
  static constexpr WindowId value = WindowId::Bottles;
};

namespace bottles_window {
using namespace build;

inline constexpr std::array<ElementSpec, static_cast<std::size_t>(BottlesEl::Count)> kElements{};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Bottles, "TForm3", "Бонус", 483, 250, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
}  // namespace bottles_window

}  // namespace tarvolenka
