#pragma once

// The bonus chooser: three hats hide the three bonus games.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class ChooserEl : std::uint16_t {
  // Visible elements, in stacking order.
  Image1, Image2, Image3, ImageOK,
  // Hidden picture stores: the hat and the three bonus games it can reveal.
  ImageShapka, ImagePianBonus, ImageMezeBonus, ImageZlatenBonus,
  Count
};
// clang-format on

// The three hats are one family, bound to their hat number 1..3.
enum class ChooserClick : std::uint16_t { None, ImageClick };

template <>
struct WindowOf<ChooserEl> {
  static constexpr WindowId value = WindowId::Chooser;
};

// Hat k (1..3).
constexpr ChooserEl ChooserHat(int k) {
  return Nth(ChooserEl::Image1, k - 1);
}

namespace chooser_window {
using namespace build;
using E = ChooserEl;
using C = ChooserClick;

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(ChooserEl::Count)> kElements{{
    Pic(E::Image1, "Image1", {28, 92, 186, 106}, Picture::Hat, C::ImageClick, 1),
    Pic(E::Image2, "Image2", {236, 52, 186, 106}, Picture::Hat, C::ImageClick, 2),
    Pic(E::Image3, "Image3", {448, 88, 186, 106}, Picture::Hat, C::ImageClick, 3),
    Pic(E::ImageOK, "ImageOK", {254, 280, 150, 13}, Picture::BannerChooseHat, C::None),
    Store(E::ImageShapka, "ImageShapka", Picture::Hat),
    Store(E::ImagePianBonus, "ImagePianBonus", Picture::BonusPian),
    Store(E::ImageMezeBonus, "ImageMezeBonus", Picture::BonusMeze),
    Store(E::ImageZlatenBonus, "ImageZlatenBonus", Picture::BonusZlaten),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Chooser, "TForm10", "Избор на Бонус", 655, 302, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace chooser_window

}  // namespace tarvolenka
