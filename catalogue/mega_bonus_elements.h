#pragma once

// The mega bonus: a running light over sixteen prizes along the window's edges.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class MegaBonusEl : std::uint16_t {
  Light1, Prize1, Light2, Prize2, Light3, Prize3, Light4, Prize4,
  Light5, Prize5, Light6, Prize6, Light7, Prize7, Light8, Prize8,
  Light9, Prize9, Light10, Prize10, Light11, Prize11, Light12, Prize12,
  Light13, Prize13, Light14, Prize14, Light15, Prize15, Light16, Prize16,
  StartButton, StopButton, OkButton,
  // The heading in the middle of the ring, and the prize announced when the light rests.
  Heading, Announcement, Prompt,
  Count
};
// clang-format on

enum class MegaBonusClick : std::uint16_t { None, Start, Stop, Confirm };

enum class MegaBonusTimer : std::uint8_t { Light, Count };

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

constexpr MegaBonusEl MegaLight(int cell) {
  return Nth(MegaBonusEl::Light1, 2 * (cell - 1));
}
constexpr MegaBonusEl MegaLabel(int cell) {
  return Nth(MegaBonusEl::Prize1, 2 * (cell - 1));
}

namespace mega_bonus_window {
using namespace build;
using E = MegaBonusEl;
using C = MegaBonusClick;

inline constexpr TextStyle kHeading = Style(44, true, colours::kYellow, Align::Centre, true);
inline constexpr TextStyle kAnnouncement = Style(38, true, colours::kWhite, Align::Centre, true);
inline constexpr TextStyle kPrompt = Style(15, true, colours::kWhite, Align::Centre, true);
inline constexpr TextStyle kPrize =
    Opaque(Style(19, true, colours::kBlack, Align::Centre, true), colours::kYellow);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(MegaBonusEl::Count)> kElements{{
    ShapeOf(E::Light1, "Light1", {8, 10, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Prize1, "Prize1", {18, 24, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Light2, "Light2", {127, 10, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Prize2, "Prize2", {137, 24, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Light3, "Light3", {246, 10, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Prize3, "Prize3", {256, 24, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Light4, "Light4", {365, 10, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Prize4, "Prize4", {375, 24, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Light5, "Light5", {484, 10, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Prize5, "Prize5", {494, 24, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Light6, "Light6", {484, 84, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Prize6, "Prize6", {494, 98, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Light7, "Light7", {484, 159, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Prize7, "Prize7", {494, 173, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Light8, "Light8", {484, 233, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Prize8, "Prize8", {494, 247, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Light9, "Light9", {484, 308, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Prize9, "Prize9", {494, 322, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Light10, "Light10", {365, 308, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Prize10, "Prize10", {375, 322, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Light11, "Light11", {246, 308, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Prize11, "Prize11", {256, 322, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Light12, "Light12", {127, 308, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Prize12, "Prize12", {137, 322, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Light13, "Light13", {8, 308, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Prize13, "Prize13", {18, 322, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Light14, "Light14", {8, 233, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Prize14, "Prize14", {18, 247, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Light15, "Light15", {8, 159, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Prize15, "Prize15", {18, 173, 89, 39}, kPrize, "99999999"),
    ShapeOf(E::Light16, "Light16", {8, 84, 109, 65}, colours::kRed, kRounded | kHidden),
    Text(E::Prize16, "Prize16", {18, 98, 89, 39}, kPrize, "99999999"),
    Pic(E::StartButton, "StartButton", {244, 387, 128, 29}, Picture::ButtonMegaStart, C::Start),
    Pic(E::StopButton, "StopButton", {242, 385, 128, 29}, Picture::ButtonMegaStop, C::Stop),
    Pic(E::OkButton, "OkButton", {242, 387, 128, 29}, Picture::ButtonOk, C::Confirm),
    Text(E::Heading, "Heading", {128, 96, 346, 62}, kHeading, "МЕГАБОНУС"),
    Text(E::Announcement, "Announcement", {128, 158, 346, 124}, kAnnouncement, {}, kHidden),
    Text(E::Prompt, "Prompt", {150, 176, 302, 90}, kPrompt, {}, kFitText),
}};
static_assert(IdsInOrder(kElements));
// clang-format on

inline constexpr std::array<TimerSpec, 1> kTimers{
    {{0, "lightTimer", durations::kMegaLightFast, false}}};

// clang-format off
inline constexpr WindowSpec kWindow{WindowId::MegaBonus, "MegaBonusWindow", "МЕГАБОНУС", 601, 430,
                                    colours::kTeal, Border::FixedNoButtons, false, kElements,
                                    kTimers};
// clang-format on
}  // namespace mega_bonus_window

}  // namespace tarvolenka
