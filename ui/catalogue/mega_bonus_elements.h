#pragma once

// The mega bonus: a running light over sixteen prizes.

#include <array>

#include "durations.h"
#include "element_builders.h"

namespace tarvolenka {

enum class MegaBonusEl : std::uint16_t { Count };

template <>
struct WindowOf<MegaBonusEl> {
  static constexpr WindowId value = WindowId::MegaBonus;
};

namespace mega_bonus_window {
using namespace build;

inline constexpr std::array<ElementSpec, static_cast<std::size_t>(MegaBonusEl::Count)> kElements{};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::MegaBonus, "TFormMegaBonus", "МЕГАБОНУС", 601, 430, colours::kTeal,
                                    Border::FixedNoButtons, false, kElements, {}};
}  // namespace mega_bonus_window

}  // namespace tarvolenka
