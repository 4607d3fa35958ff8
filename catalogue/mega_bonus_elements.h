#pragma once

// The mega bonus: a running light over sixteen prizes along the window's edges.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class MegaBonusEl : std::uint16_t {
  Shape1, Label1, Shape2, Label2, Shape3, Label3, Shape4, Label4,
  Shape5, Label5, Shape6, Label6, Shape7, Label7, Shape8, Label8,
  Shape9, Label9, Shape10, Label10, Shape11, Label11, Shape12, Label12,
  Shape13, Label13, Shape14, Label14, Shape15, Label15, Shape16, Label16,
  ImageStart, ImageStop, ImageOK,
  Count
};
// clang-format on

enum class MegaBonusClick : std::uint16_t { None, ImageStartClick, ImageStopClick, ImageOKClick };

enum class MegaBonusTimer : std::uint8_t { Timer1, Count };

template <>
struct WindowOf<MegaBonusEl> {
  static constexpr WindowId value = WindowId::MegaBonus;
};
template <>
struct WindowOf<MegaBonusTimer> {
  static constexpr WindowId value = WindowId::MegaBonus;
};

inline constexpr int kMegaCells = 16;
// Each cell pays the timed bonus times its factor; clockwise from the top left corner.
inline constexpr std::array<std::int64_t, kMegaCells> kMegaFactors{10, 3, 50, 3, 10, 3, 5, 3,
                                                                   10, 2, 25, 2, 10, 2, 5, 2};

constexpr MegaBonusEl MegaShape(int cell) {
  return Nth(MegaBonusEl::Shape1, 2 * (cell - 1));
}
constexpr MegaBonusEl MegaLabel(int cell) {
  return Nth(MegaBonusEl::Label1, 2 * (cell - 1));
}

namespace mega_bonus_window {
using namespace build;
using E = MegaBonusEl;
using C = MegaBonusClick;

inline constexpr TextStyle kPrize =
    Opaque(Style(13, true, colours::kBlack, Align::Centre, true), colours::kYellow);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(MegaBonusEl::Count)> kElements{{
    ShapeOf(E::Shape1, "Shape1", {8, 10, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Label1, "Label1", {18, 24, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Shape2, "Shape2", {128, 10, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Label2, "Label2", {138, 24, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Shape3, "Shape3", {248, 10, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Label3, "Label3", {258, 24, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Shape4, "Shape4", {366, 10, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Label4, "Label4", {376, 24, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Shape5, "Shape5", {482, 10, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Label5, "Label5", {492, 24, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Shape6, "Shape6", {484, 82, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Label6, "Label6", {494, 96, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Shape7, "Shape7", {484, 156, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Label7, "Label7", {494, 170, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Shape8, "Shape8", {484, 230, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Label8, "Label8", {494, 244, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Shape9, "Shape9", {482, 308, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Label9, "Label9", {492, 322, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Shape10, "Shape10", {362, 308, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Label10, "Label10", {372, 322, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Shape11, "Shape11", {244, 308, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Label11, "Label11", {254, 322, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Shape12, "Shape12", {126, 308, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Label12, "Label12", {136, 322, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Shape13, "Shape13", {8, 308, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Label13, "Label13", {18, 322, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Shape14, "Shape14", {8, 234, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Label14, "Label14", {18, 248, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Shape15, "Shape15", {8, 158, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Label15, "Label15", {18, 172, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Shape16, "Shape16", {8, 84, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Label16, "Label16", {18, 98, 89, 39}, kPrize, "99999999"),
    Pic(E::ImageStart, "ImageStart", {244, 387, 128, 29}, Picture::ButtonMegaStart, C::ImageStartClick),
    Pic(E::ImageStop, "ImageStop", {242, 385, 128, 29}, Picture::ButtonMegaStop, C::ImageStopClick),
    Pic(E::ImageOK, "ImageOK", {242, 387, 128, 29}, Picture::ButtonOk, C::ImageOKClick),
}};
static_assert(IdsInOrder(kElements));
// clang-format on

inline constexpr std::array<TimerSpec, 1> kTimers{
    {{0, "Timer1", durations::kMegaLightFast, false}}};

// clang-format off
inline constexpr WindowSpec kWindow{WindowId::MegaBonus, "TFormMegaBonus", "МЕГАБОНУС", 601, 430,
                                    colours::kTeal, Border::FixedNoButtons, false, kElements,
                                    kTimers};
// clang-format on
}  // namespace mega_bonus_window

}  // namespace tarvolenka
