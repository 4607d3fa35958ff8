#pragma once

// The hourly timed bonus.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

enum class TimedBonusEl : std::uint16_t { Caption, Amount, OkButton, Count };

enum class TimedBonusClick : std::uint16_t { None, Confirm };

template <>
struct WindowOf<TimedBonusEl> {
  static constexpr WindowId value = WindowId::TimedBonus;
};

namespace timed_bonus_window {
using namespace build;
using E = TimedBonusEl;
using C = TimedBonusClick;

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(TimedBonusEl::Count)> kElements{{
    Pic(E::Caption, "Caption", {74, 17, 100, 20}, Picture::LetteringBonusBig, C::Confirm),
    Text(E::Amount, "Amount", {10, 48, 225, 47}, Style(32, true, colours::kRed, Align::Centre, true)),
    Pic(E::OkButton, "OkButton", {62, 113, 128, 29}, Picture::ButtonOk, C::Confirm),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::TimedBonus, "TimedBonusWindow", "БОНУС", 247, 156,
                                    colours::kYellow, Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace timed_bonus_window

}  // namespace tarvolenka
