#pragma once

// The bottles bonus: five bottles hide the multipliers 1 to 5.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class BottlesEl : std::uint16_t {
  // The bottles: vodka, cognac, rakia, red wine, beer.
  Bottle1, Bottle2, Bottle3, Bottle4, Bottle5,
  // The multiplier over each bottle.
  BottleMultiplier1, BottleMultiplier2, BottleMultiplier3, BottleMultiplier4, BottleMultiplier5,
  Banner,
  // The multiplier won, in the banner's place once picked.
  Status,
  // The ring the arrow keys move over the choices, drawn over everything.
  Ring,
  Count
};
// clang-format on

// The five bottles are one family, bound to their number 1..5.
enum class BottlesClick : std::uint16_t { None, PickBottle };

template <>
struct WindowOf<BottlesEl> {
  static constexpr WindowId value = WindowId::Bottles;
};

inline constexpr int kBottles = 5;

// Bottle i (1..5) and the label of its multiplier.
constexpr BottlesEl Bottle(int i) {
  return Nth(BottlesEl::Bottle1, i - 1);
}
constexpr BottlesEl BottleLabel(int i) {
  return Nth(BottlesEl::BottleMultiplier1, i - 1);
}

namespace bottles_window {
using namespace build;
using E = BottlesEl;
using C = BottlesClick;

// 13 px at design; the game sets 10 points, and 20 for the picked bottle. The labels keep the
// room of their largest text centred over their bottle, as the desktop does not size labels
// to their text.
inline constexpr TextStyle kStatus = Style(14, true, colours::kMaroon, Align::Centre, true);
inline constexpr TextStyle kMultiplier = Style(13, true, colours::kRed, Align::Centre);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(BottlesEl::Count)> kElements{{
    Pic(E::Bottle1, "Bottle1", {50, 62, 55, 125}, Picture::BottleVodka, C::PickBottle, 1),
    Pic(E::Bottle2, "Bottle2", {136, 40, 55, 125}, Picture::BottleBrandy, C::PickBottle, 2),
    Pic(E::Bottle3, "Bottle3", {220, 62, 55, 125}, Picture::BottleRakia, C::PickBottle, 3),
    Pic(E::Bottle4, "Bottle4", {300, 40, 55, 125}, Picture::BottleWine, C::PickBottle, 4),
    Pic(E::Bottle5, "Bottle5", {374, 64, 55, 125}, Picture::BottleBeer, C::PickBottle, 5),
    Text(E::BottleMultiplier1, "BottleMultiplier1", {52, 30, 50, 32}, kMultiplier, "×1", kHidden),
    Text(E::BottleMultiplier2, "BottleMultiplier2", {136, 6, 50, 32}, kMultiplier, "×2", kHidden),
    Text(E::BottleMultiplier3, "BottleMultiplier3", {222, 24, 50, 32}, kMultiplier, "×3", kHidden),
    Text(E::BottleMultiplier4, "BottleMultiplier4", {304, 8, 50, 32}, kMultiplier, "×4", kHidden),
    Text(E::BottleMultiplier5, "BottleMultiplier5", {374, 28, 50, 32}, kMultiplier, "×5", kHidden),
    Pic(E::Banner, "Banner", {164, 212, 170, 22}, Picture::BannerBottles, C::None),
    Text(E::Status, "Status", {0, 208, 483, 30}, kStatus, "", kHidden),
    RingFor(E::Ring, {50, 62, 55, 125}),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Bottles, "BottlesWindow", "Пиян Бонус", 483, 250, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace bottles_window

}  // namespace tarvolenka
