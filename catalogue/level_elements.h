#pragma once

// The level-up window with the new level's values and award.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class LevelEl : std::uint16_t {
  Level1, Level11, Image1, Label1, Image2, Label2, Image3, Label3, Image4, Label4, ImageLinii,
  Count
};
// clang-format on

enum class LevelClick : std::uint16_t { None, ImageLiniiClick };

template <>
struct WindowOf<LevelEl> {
  static constexpr WindowId value = WindowId::Level;
};

namespace level_window {
using namespace build;
using E = LevelEl;

inline constexpr TextStyle kNumber = Style(24, true, colours::kYellow, Align::Centre, true);
inline constexpr TextStyle kValue = Style(24, true, colours::kRed, Align::Right, true);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(LevelEl::Count)> kElements{{
    Pic(E::Level1, "Level1", {108, 7, 284, 202}, Picture::LevelStar, LevelClick::None),
    Text(E::Level11, "Level11", {198, 98, 95, 27}, kNumber),
    Pic(E::Image1, "Image1", {60, 227, 88, 18}, Picture::LetteringBonus, LevelClick::None),
    Text(E::Label1, "Label1", {314, 222, 147, 27}, kValue),
    Pic(E::Image2, "Image2", {60, 257, 203, 18}, Picture::LetteringMegaBonusDo, LevelClick::None),
    Text(E::Label2, "Label2", {316, 252, 147, 27}, kValue),
    Pic(E::Image3, "Image3", {60, 287, 214, 18}, Picture::LetteringMaxKanal, LevelClick::None),
    Text(E::Label3, "Label3", {314, 282, 147, 27}, kValue),
    Pic(E::Image4, "Image4", {60, 321, 157, 23}, Picture::LetteringLevelAward, LevelClick::None),
    Text(E::Label4, "Label4", {314, 314, 147, 27}, kValue),
    Pic(E::ImageLinii, "ImageLinii", {192, 363, 128, 29}, Picture::ButtonOk, LevelClick::ImageLiniiClick),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Level, "TFormLevel1", "НИВО", 508, 402,
                                    colours::kYellow, Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace level_window

}  // namespace tarvolenka
