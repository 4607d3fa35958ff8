#pragma once

// The bottles bonus: five bottles hide the multipliers 1 to 5.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class BottlesEl : std::uint16_t {
  // The bottles: vodka, cognac, rakia, red wine, beer.
  Butilka1, Butilka2, Butilka3, Butilka4, Butilka5,
  // The multiplier over each bottle.
  Label1, Label2, Label3, Label4, Label5,
  Image5,
  Count
};
// clang-format on

// The five bottles are one family, bound to their number 1..5.
enum class BottlesClick : std::uint16_t { None, ButilkaClick };

template <>
struct WindowOf<BottlesEl> {
  static constexpr WindowId value = WindowId::Bottles;
};

inline constexpr int kBottles = 5;

// Bottle i (1..5) and the label of its multiplier.
constexpr BottlesEl Bottle(int i) {
  return Nth(BottlesEl::Butilka1, i - 1);
}
constexpr BottlesEl BottleLabel(int i) {
  return Nth(BottlesEl::Label1, i - 1);
}

namespace bottles_window {
using namespace build;
using E = BottlesEl;
using C = BottlesClick;

// 13 px at design; the game sets 10 points, and 20 for the picked bottle. The labels keep the
// room of their largest text centred over their bottle, as the desktop does not size labels
// to their text.
inline constexpr TextStyle kMultiplier = Style(13, true, colours::kRed, Align::Centre);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(BottlesEl::Count)> kElements{{
    Pic(E::Butilka1, "Butilka1", {50, 62, 55, 125}, Picture::BottleVodka, C::ButilkaClick, 1),
    Pic(E::Butilka2, "Butilka2", {136, 40, 55, 125}, Picture::BottleKoniak, C::ButilkaClick, 2),
    Pic(E::Butilka3, "Butilka3", {220, 62, 55, 125}, Picture::BottleRakia, C::ButilkaClick, 3),
    Pic(E::Butilka4, "Butilka4", {300, 40, 55, 125}, Picture::BottleVino, C::ButilkaClick, 4),
    Pic(E::Butilka5, "Butilka5", {374, 64, 55, 125}, Picture::BottleBira, C::ButilkaClick, 5),
    Text(E::Label1, "Label1", {52, 30, 50, 32}, kMultiplier, "X1", kHidden),
    Text(E::Label2, "Label2", {136, 6, 50, 32}, kMultiplier, "X2", kHidden),
    Text(E::Label3, "Label3", {222, 24, 50, 32}, kMultiplier, "X3", kHidden),
    Text(E::Label4, "Label4", {304, 8, 50, 32}, kMultiplier, "X4", kHidden),
    Text(E::Label5, "Label5", {374, 28, 50, 32}, kMultiplier, "X5", kHidden),
    Pic(E::Image5, "Image5", {164, 212, 170, 22}, Picture::BannerBottles, C::None),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Bottles, "TForm3", "Бонус", 483, 250, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace bottles_window

}  // namespace tarvolenka
