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

// 13 px at design; the game sets 15 points, and 24 for the picked bottle. The bottles stand on
// one shelf, each label in the room of its largest text centred over its bottle, as the
// desktop does not size labels to their text.
inline constexpr TextStyle kStatus = Style(14, true, colours::kMaroon, Align::Centre, true);
inline constexpr TextStyle kMultiplier = Style(13, true, colours::kRed, Align::Centre);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(BottlesEl::Count)> kElements{{
    Pic(E::Bottle1, "Bottle1", {38, 66, 55, 125}, Picture::BottleVodka, C::PickBottle, 1),
    Pic(E::Bottle2, "Bottle2", {126, 66, 55, 125}, Picture::BottleBrandy, C::PickBottle, 2),
    Pic(E::Bottle3, "Bottle3", {214, 66, 55, 125}, Picture::BottleRakia, C::PickBottle, 3),
    Pic(E::Bottle4, "Bottle4", {302, 66, 55, 125}, Picture::BottleWine, C::PickBottle, 4),
    Pic(E::Bottle5, "Bottle5", {390, 66, 55, 125}, Picture::BottleBeer, C::PickBottle, 5),
    Text(E::BottleMultiplier1, "BottleMultiplier1", {26, 20, 79, 42}, kMultiplier, "×1", kHidden),
    Text(E::BottleMultiplier2, "BottleMultiplier2", {114, 20, 79, 42}, kMultiplier, "×2", kHidden),
    Text(E::BottleMultiplier3, "BottleMultiplier3", {202, 20, 79, 42}, kMultiplier, "×3", kHidden),
    Text(E::BottleMultiplier4, "BottleMultiplier4", {290, 20, 79, 42}, kMultiplier, "×4", kHidden),
    Text(E::BottleMultiplier5, "BottleMultiplier5", {378, 20, 79, 42}, kMultiplier, "×5", kHidden),
    Pic(E::Banner, "Banner", {164, 212, 170, 22}, Picture::BannerBottles, C::None),
    Text(E::Status, "Status", {0, 208, 483, 30}, kStatus, "", kHidden),
    RingFor(E::Ring, {38, 66, 55, 125}),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Bottles, "BottlesWindow", "Пиян Бонус", 483, 250, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace bottles_window

}  // namespace tarvolenka
