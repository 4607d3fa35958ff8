#pragma once

// The level-up window with the new level's values and award.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class LevelUpEl : std::uint16_t {
  Star, LevelNumber, BonusCaption, BonusValue, MegaBonusCaption, MegaBonusValue, MaxStakeCaption, MaxStakeValue, LevelAwardCaption, LevelAwardValue, OkButton,
  Count
};
// clang-format on

enum class LevelUpClick : std::uint16_t { None, Confirm };

template <>
struct WindowOf<LevelUpEl> {
  static constexpr WindowId value = WindowId::LevelUp;
};

namespace level_window {
using namespace build;
using E = LevelUpEl;

inline constexpr TextStyle kNumber = Style(24, true, colours::kYellow, Align::Centre, true);
inline constexpr TextStyle kValue = Style(24, true, colours::kRed, Align::Right, true);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(LevelUpEl::Count)> kElements{{
    Pic(E::Star, "Star", {136, 12, 236, 168}, Picture::LevelStar, LevelUpClick::None),
    Text(E::LevelNumber, "LevelNumber", {203, 85, 95, 27}, kNumber),
    Pic(E::BonusCaption, "BonusCaption", {60, 191, 88, 18}, Picture::LetteringBonus, LevelUpClick::None),
    Text(E::BonusValue, "BonusValue", {314, 186, 147, 27}, kValue),
    Pic(E::MegaBonusCaption, "MegaBonusCaption", {60, 233, 203, 18}, Picture::LetteringMegaBonusIn, LevelUpClick::None),
    Text(E::MegaBonusValue, "MegaBonusValue", {314, 228, 147, 27}, kValue),
    Pic(E::MaxStakeCaption, "MaxStakeCaption", {60, 275, 214, 18}, Picture::LetteringMaxStake, LevelUpClick::None),
    Text(E::MaxStakeValue, "MaxStakeValue", {314, 270, 147, 27}, kValue),
    Pic(E::LevelAwardCaption, "LevelAwardCaption", {60, 315, 157, 23}, Picture::LetteringLevelAward, LevelUpClick::None),
    Text(E::LevelAwardValue, "LevelAwardValue", {314, 312, 147, 27}, kValue),
    Pic(E::OkButton, "OkButton", {190, 357, 128, 29}, Picture::ButtonOk, LevelUpClick::Confirm),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::LevelUp, "LevelUpWindow", "НИВО", 508, 402,
                                    colours::kYellow, Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace level_window

}  // namespace tarvolenka
