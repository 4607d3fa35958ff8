#pragma once

// The bonus chooser: three hats hide the three bonus games.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class HatChooserEl : std::uint16_t {
  // Visible elements, in stacking order.
  Hat1, Hat2, Hat3, Banner,
  // Hidden picture stores: the hat and the three bonus games it can reveal.
  StoreHat, StoreDrinksBonus, StoreMezeBonus, StoreGoldenBonus,
  // The ring the arrow keys move over the choices, drawn over everything.
  Ring,
  Count
};
// clang-format on

// The three hats are one family, bound to their hat number 1..3.
enum class HatChooserClick : std::uint16_t { None, PickHat };

template <>
struct WindowOf<HatChooserEl> {
  static constexpr WindowId value = WindowId::HatChooser;
};

// Hat k (1..3).
constexpr HatChooserEl ChooserHat(int k) {
  return Nth(HatChooserEl::Hat1, k - 1);
}

namespace chooser_window {
using namespace build;
using E = HatChooserEl;
using C = HatChooserClick;

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(HatChooserEl::Count)> kElements{{
    Pic(E::Hat1, "Hat1", {28, 92, 186, 106}, Picture::Hat, C::PickHat, 1),
    Pic(E::Hat2, "Hat2", {236, 52, 186, 106}, Picture::Hat, C::PickHat, 2),
    Pic(E::Hat3, "Hat3", {448, 88, 186, 106}, Picture::Hat, C::PickHat, 3),
    Pic(E::Banner, "Banner", {254, 280, 150, 13}, Picture::BannerChooseHat, C::None),
    Store(E::StoreHat, "StoreHat", Picture::Hat),
    Store(E::StoreDrinksBonus, "StoreDrinksBonus", Picture::BonusDrinks),
    Store(E::StoreMezeBonus, "StoreMezeBonus", Picture::BonusMeze),
    Store(E::StoreGoldenBonus, "StoreGoldenBonus", Picture::BonusGolden),
    RingFor(E::Ring, {28, 92, 186, 106}),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::HatChooser, "HatChooserWindow", "Избор на Бонус", 655, 302, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace chooser_window

}  // namespace tarvolenka
