#pragma once

// The hourly timed bonus.

#include <array>

#include "durations.h"
#include "element_builders.h"

namespace tarvolenka {

enum class TimedBonusEl : std::uint16_t { Count };

template <>
struct WindowOf<TimedBonusEl> {
  static constexpr WindowId value = WindowId::TimedBonus;
};

namespace timed_bonus_window {
using namespace build;

inline constexpr std::array<ElementSpec, static_cast<std::size_t>(TimedBonusEl::Count)> kElements{};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::TimedBonus, "TFormBonus", "БОНУС", 247, 156, colours::kYellow,
                                    Border::FixedNoButtons, false, kElements, {}};
}  // namespace timed_bonus_window

}  // namespace tarvolenka
