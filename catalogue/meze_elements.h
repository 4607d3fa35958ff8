#pragma once

// The meze bonus: four rows of six vegetables hide the prizes.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class MezeEl : std::uint16_t {
  // The vegetables, row by row in the order of play (bottom row first).
  ImageZele1, ImageZele2, ImageZele3, ImageZele4, ImageZele5, ImageZele6,
  ImageDomat1, ImageDomat2, ImageDomat3, ImageDomat4, ImageDomat5, ImageDomat6,
  ImageKartof1, ImageKartof2, ImageKartof3, ImageKartof4, ImageKartof5, ImageKartof6,
  ImageRiapa1, ImageRiapa2, ImageRiapa3, ImageRiapa4, ImageRiapa5, ImageRiapa6,
  // Each prize label lies over its vegetable.
  LabelZele1, LabelZele2, LabelZele3, LabelZele4, LabelZele5, LabelZele6,
  LabelDomat1, LabelDomat2, LabelDomat3, LabelDomat4, LabelDomat5, LabelDomat6,
  LabelKartof1, LabelKartof2, LabelKartof3, LabelKartof4, LabelKartof5, LabelKartof6,
  LabelRiapa1, LabelRiapa2, LabelRiapa3, LabelRiapa4, LabelRiapa5, LabelRiapa6,
  Panel1, ImageOK,
  Count
};
// clang-format on

// The 24 vegetables are one family, bound to row × 6 + k: Zele 1..6, Domat 7..12,
// Kartof 13..18, Riapa 19..24.
enum class MezeClick : std::uint16_t { None, ImageClick };

template <>
struct WindowOf<MezeEl> {
  static constexpr WindowId value = WindowId::Meze;
};

inline constexpr int kMezeRows = 4;
inline constexpr int kMezeCells = 6;

// Picture and label k (1..6) of row `row` (0 = Zele .. 3 = Riapa).
constexpr MezeEl MezePicture(int row, int k) {
  return Nth(MezeEl::ImageZele1, row * kMezeCells + k - 1);
}
constexpr MezeEl MezeLabel(int row, int k) {
  return Nth(MezeEl::LabelZele1, row * kMezeCells + k - 1);
}

namespace meze_window {
using namespace build;
using E = MezeEl;
using C = MezeClick;

// Sizes change at run time (12 points, 20 for the picked cell); 16 px is 12 points.
inline constexpr TextStyle kPrize =
    Opaque(Style(16, true, colours::kRed, Align::Centre, true), colours::kYellow);
inline constexpr TextStyle kTotal = Style(29, true, colours::kRed, Align::Centre, true);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(MezeEl::Count)> kElements{{
    Pic(E::ImageZele1, "ImageZele1", {24, 382, 95, 76}, Picture::VegZele, C::ImageClick, 1),
    Pic(E::ImageZele2, "ImageZele2", {130, 382, 95, 76}, Picture::VegZele, C::ImageClick, 2),
    Pic(E::ImageZele3, "ImageZele3", {236, 382, 95, 76}, Picture::VegZele, C::ImageClick, 3),
    Pic(E::ImageZele4, "ImageZele4", {342, 382, 95, 76}, Picture::VegZele, C::ImageClick, 4),
    Pic(E::ImageZele5, "ImageZele5", {448, 382, 95, 76}, Picture::VegZele, C::ImageClick, 5),
    Pic(E::ImageZele6, "ImageZele6", {554, 380, 95, 76}, Picture::VegZele, C::ImageClick, 6),
    Pic(E::ImageDomat1, "ImageDomat1", {30, 278, 81, 82}, Picture::VegDomat, C::ImageClick, 7, kTransparent | kHidden),
    Pic(E::ImageDomat2, "ImageDomat2", {134, 278, 81, 82}, Picture::VegDomat, C::ImageClick, 8, kTransparent | kHidden),
    Pic(E::ImageDomat3, "ImageDomat3", {244, 278, 81, 82}, Picture::VegDomat, C::ImageClick, 9, kTransparent | kHidden),
    Pic(E::ImageDomat4, "ImageDomat4", {346, 278, 81, 82}, Picture::VegDomat, C::ImageClick, 10, kTransparent | kHidden),
    Pic(E::ImageDomat5, "ImageDomat5", {450, 278, 81, 82}, Picture::VegDomat, C::ImageClick, 11, kTransparent | kHidden),
    Pic(E::ImageDomat6, "ImageDomat6", {560, 278, 81, 82}, Picture::VegDomat, C::ImageClick, 12, kTransparent | kHidden),
    Pic(E::ImageKartof1, "ImageKartof1", {28, 188, 91, 64}, Picture::VegKartof, C::ImageClick, 13, kTransparent | kHidden),
    Pic(E::ImageKartof2, "ImageKartof2", {130, 188, 91, 64}, Picture::VegKartof, C::ImageClick, 14, kTransparent | kHidden),
    Pic(E::ImageKartof3, "ImageKartof3", {236, 188, 91, 64}, Picture::VegKartof, C::ImageClick, 15, kTransparent | kHidden),
    Pic(E::ImageKartof4, "ImageKartof4", {340, 188, 91, 64}, Picture::VegKartof, C::ImageClick, 16, kTransparent | kHidden),
    Pic(E::ImageKartof5, "ImageKartof5", {446, 188, 91, 64}, Picture::VegKartof, C::ImageClick, 17, kTransparent | kHidden),
    Pic(E::ImageKartof6, "ImageKartof6", {552, 188, 91, 64}, Picture::VegKartof, C::ImageClick, 18, kTransparent | kHidden),
    Pic(E::ImageRiapa1, "ImageRiapa1", {40, 78, 67, 87}, Picture::VegRiapa, C::ImageClick, 19, kTransparent | kHidden),
    Pic(E::ImageRiapa2, "ImageRiapa2", {142, 78, 67, 87}, Picture::VegRiapa, C::ImageClick, 20, kTransparent | kHidden),
    Pic(E::ImageRiapa3, "ImageRiapa3", {248, 78, 67, 87}, Picture::VegRiapa, C::ImageClick, 21, kTransparent | kHidden),
    Pic(E::ImageRiapa4, "ImageRiapa4", {352, 78, 67, 87}, Picture::VegRiapa, C::ImageClick, 22, kTransparent | kHidden),
    Pic(E::ImageRiapa5, "ImageRiapa5", {452, 78, 67, 87}, Picture::VegRiapa, C::ImageClick, 23, kTransparent | kHidden),
    Pic(E::ImageRiapa6, "ImageRiapa6", {560, 78, 67, 87}, Picture::VegRiapa, C::ImageClick, 24, kTransparent | kHidden),
    Text(E::LabelZele1, "LabelZele1", {38, 404, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelZele2, "LabelZele2", {142, 404, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelZele3, "LabelZele3", {248, 404, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelZele4, "LabelZele4", {354, 404, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelZele5, "LabelZele5", {460, 402, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelZele6, "LabelZele6", {566, 404, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelDomat1, "LabelDomat1", {36, 302, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelDomat2, "LabelDomat2", {140, 302, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelDomat3, "LabelDomat3", {250, 302, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelDomat4, "LabelDomat4", {352, 300, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelDomat5, "LabelDomat5", {456, 302, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelDomat6, "LabelDomat6", {566, 302, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelKartof1, "LabelKartof1", {38, 200, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelKartof2, "LabelKartof2", {140, 200, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelKartof3, "LabelKartof3", {246, 200, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelKartof4, "LabelKartof4", {350, 200, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelKartof5, "LabelKartof5", {456, 200, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelKartof6, "LabelKartof6", {562, 200, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelRiapa1, "LabelRiapa1", {38, 118, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelRiapa2, "LabelRiapa2", {140, 118, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelRiapa3, "LabelRiapa3", {246, 118, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelRiapa4, "LabelRiapa4", {350, 120, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelRiapa5, "LabelRiapa5", {450, 120, 71, 35}, kPrize, {}, kHidden),
    Text(E::LabelRiapa6, "LabelRiapa6", {558, 120, 71, 35}, kPrize, {}, kHidden),
    PanelOf(E::Panel1, "Panel1", {242, 14, 185, 41}, kTotal, colours::kYellow),
    Pic(E::ImageOK, "ImageOK", {174, 476, 320, 37}, Picture::BannerMeze, C::None),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Meze, "TForm11", "Мезе Бонус", 672, 525, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace meze_window

}  // namespace tarvolenka
