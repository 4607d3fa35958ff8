#pragma once

// The bonus chooser: three hats hide the three bonus games.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class HatChooserEl : std::uint16_t {
  // Visible elements, in stacking order.
  Hat1, Hat2, Hat3, Banner, Title,
  // Under each hat once picked: the player's own, or the game missed; what happens next.
  HatLabel1, HatLabel2, HatLabel3, Status,
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
constexpr HatChooserEl HatLabel(int k) {
  return Nth(HatChooserEl::HatLabel1, k - 1);
}

namespace chooser_window {
using namespace build;
using E = HatChooserEl;
using C = HatChooserClick;

inline constexpr TextStyle kHatLabel = Style(12, true, colours::kMissed, Align::Centre, true);
inline constexpr TextStyle kStatus = Style(14, true, colours::kMaroon, Align::Centre, true);
inline constexpr TextStyle kTitle = Style(30, true, colours::kYellow, Align::Centre, true);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(HatChooserEl::Count)> kElements{{
    Pic(E::Hat1, "Hat1", {25, 86, 186, 106}, Picture::Hat, C::PickHat, 1),
    Pic(E::Hat2, "Hat2", {235, 86, 186, 106}, Picture::Hat, C::PickHat, 2),
    Pic(E::Hat3, "Hat3", {445, 86, 186, 106}, Picture::Hat, C::PickHat, 3),
    Pic(E::Banner, "Banner", {189, 246, 277, 24}, Picture::BannerChooseHat, C::None),
    // Each hat hides one of the three games, which the title says before any is lifted.
    Text(E::Title, "Title", {0, 18, 655, 50}, kTitle, "ТРИ ШАПКИ · ТРИ БОНУСА"),
    Text(E::HatLabel1, "HatLabel1", {25, 194, 186, 22}, kHatLabel, "", kHidden),
    Text(E::HatLabel2, "HatLabel2", {235, 194, 186, 22}, kHatLabel, "", kHidden),
    Text(E::HatLabel3, "HatLabel3", {445, 194, 186, 22}, kHatLabel, "", kHidden),
    // The pick's mark, moved under the picked game.
    Text(E::Status, "Status", {0, 238, 220, 22}, kStatus, "", kHidden),
    Store(E::StoreHat, "StoreHat", Picture::Hat),
    Store(E::StoreDrinksBonus, "StoreDrinksBonus", Picture::BonusDrinks),
    Store(E::StoreMezeBonus, "StoreMezeBonus", Picture::BonusMeze),
    Store(E::StoreGoldenBonus, "StoreGoldenBonus", Picture::BonusGolden),
    RingFor(E::Ring, {25, 86, 186, 106}),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::HatChooser, "HatChooserWindow", "Избор на Бонус", 655, 302, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace chooser_window

}  // namespace tarvolenka
