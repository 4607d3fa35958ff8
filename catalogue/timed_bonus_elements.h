#pragma once

// The hourly timed bonus: its lettering, the amount large under a burst of light, a line on
// which of the series of five it is, and the OK button.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

enum class TimedBonusEl : std::uint16_t { Caption, Amount, Series, OkButton, Count };

enum class TimedBonusClick : std::uint16_t { None, Confirm };

template <>
struct WindowOf<TimedBonusEl> {
  static constexpr WindowId value = WindowId::TimedBonus;
};

namespace timed_bonus_window {
using namespace build;
using E = TimedBonusEl;
using C = TimedBonusClick;

inline constexpr int kWidth = 380;
inline constexpr int kHeight = 256;
inline constexpr TextStyle kAmount = Style(48, true, colours::kRed, Align::Centre, true);
inline constexpr TextStyle kSeries = Style(14, true, Rgb{92, 50, 20}, Align::Centre, true);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(TimedBonusEl::Count)> kElements{{
    Pic(E::Caption, "Caption", {105, 18, 170, 34}, Picture::LetteringBonusBig, C::Confirm),
    Text(E::Amount, "Amount", {20, 60, 340, 66}, kAmount),
    PanelOf(E::Series, "Series", {30, 136, 320, 50}, kSeries, colours::kPlank),
    Pic(E::OkButton, "OkButton", {126, 203, 128, 29}, Picture::ButtonOk, C::Confirm),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::TimedBonus, "TimedBonusWindow", "Бонус по Време", kWidth, kHeight,
                                    colours::kYellow, Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace timed_bonus_window

}  // namespace tarvolenka
