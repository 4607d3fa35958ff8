#pragma once

// The golden pick: three covers hide the fouls the board allows.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class GoldenPickEl : std::uint16_t {
  // Visible elements, in stacking order.
  Image1, Image2, Image3, ImageOK,
  // Hidden picture stores: the numbers 2, 3, 4 of fouls and the cover.
  ImageFal2, ImageFal3, ImageFal4, ImageRamka1,
  Count
};
// clang-format on

// The three covers are one family, bound to their number 1..3.
enum class GoldenPickClick : std::uint16_t { None, ImageClick };

template <>
struct WindowOf<GoldenPickEl> {
  static constexpr WindowId value = WindowId::GoldenPick;
};

// Cover k (1..3), and the picture of v (2..4) fouls.
constexpr GoldenPickEl PickCover(int k) {
  return Nth(GoldenPickEl::Image1, k - 1);
}
constexpr GoldenPickEl FoulsPicture(int v) {
  return Nth(GoldenPickEl::ImageFal2, v - 2);
}

namespace golden_pick_window {
using namespace build;
using E = GoldenPickEl;
using C = GoldenPickClick;

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(GoldenPickEl::Count)> kElements{{
    Pic(E::Image1, "Image1", {32, 30, 80, 80}, Picture::GoldenCover, C::ImageClick, 1),
    Pic(E::Image2, "Image2", {178, 30, 80, 80}, Picture::GoldenCover, C::ImageClick, 2),
    Pic(E::Image3, "Image3", {324, 30, 80, 80}, Picture::GoldenCover, C::ImageClick, 3),
    Pic(E::ImageOK, "ImageOK", {96, 126, 257, 43}, Picture::BannerGoldenPick, C::None),
    Store(E::ImageFal2, "ImageFal2", Picture::Fouls2),
    Store(E::ImageFal3, "ImageFal3", Picture::Fouls3),
    Store(E::ImageFal4, "ImageFal4", Picture::Fouls4),
    Store(E::ImageRamka1, "ImageRamka1", Picture::GoldenCover),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::GoldenPick, "TForm12", "Златен Бонус", 436, 175, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace golden_pick_window

}  // namespace tarvolenka
