#pragma once

// The bonus result: the win and how it was reckoned.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class BonusResultEl : std::uint16_t { Banner, Game, Win, Reckoning, OkButton, Count };
// clang-format on

enum class BonusResultClick : std::uint16_t { None, Confirm };

template <>
struct WindowOf<BonusResultEl> {
  static constexpr WindowId value = WindowId::BonusResult;
};

namespace result_window {
using namespace build;
using E = BonusResultEl;
using C = BonusResultClick;

inline constexpr TextStyle kWin = Style(64, true, colours::kRed, Align::Centre);
inline constexpr TextStyle kGame = Style(17, true, colours::kYellow, Align::Centre, true);
// The reckoning is read, not admired: plain type on the cream plank, as the other tallies.
inline constexpr TextStyle kReckoning = Style(16, true, colours::kBlack, Align::Centre, true);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(BonusResultEl::Count)> kElements{{
    Pic(E::Banner, "Banner", {86, 15, 308, 31}, Picture::BannerYouWon, C::None),
    Text(E::Game, "Game", {40, 51, 405, 24}, kGame),
    Text(E::Win, "Win", {8, 78, 469, 73}, kWin, "9999999"),
    PanelOf(E::Reckoning, "Reckoning", {32, 170, 421, 40}, kReckoning, colours::kPlank, "9999999"),
    Pic(E::OkButton, "OkButton", {176, 249, 128, 29}, Picture::ButtonOk, C::Confirm),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::BonusResult, "BonusResultWindow", "Печалба от Бонуса", 485, 296, colours::kYellow,
                                    Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace result_window

}  // namespace tarvolenka
