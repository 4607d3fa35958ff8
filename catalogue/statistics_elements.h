#pragma once

// The statistics: the player's figures over the whole history and over this session, beside
// the machine's exact return for the lines and stake being played.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class StatisticsEl : std::uint16_t {
  Heading, LifetimeHeader, SessionHeader, Names, Lifetime, Session, MachineReturn, Notice,
  Count
};
// clang-format on

enum class StatisticsClick : std::uint16_t { None };

// Shows the figures again while a large history is still being counted.
enum class StatisticsTimer : std::uint8_t { Counting, Count };

template <>
struct WindowOf<StatisticsEl> {
  static constexpr WindowId value = WindowId::Statistics;
};
template <>
struct WindowOf<StatisticsTimer> {
  static constexpr WindowId value = WindowId::Statistics;
};

namespace statistics_window {
using namespace build;
using E = StatisticsEl;

inline constexpr Rgb kWood{92, 50, 20};
inline constexpr TextStyle kHeading = Style(20, true, Rgb{255, 214, 64}, Align::Centre, true);
inline constexpr TextStyle kColumnHeader = Style(13, true, kWood, Align::Right, true);
inline constexpr TextStyle kNames = Style(13, false, colours::kBlack, Align::Left, false);
inline constexpr TextStyle kFigures = Style(13, true, colours::kBlack, Align::Right, false);
inline constexpr TextStyle kNote = Style(13, true, kWood, Align::Left, false);
inline constexpr TextStyle kNotice = Style(11, false, Rgb{150, 0, 0}, Align::Left, true);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(E::Count)> kElements{{
    Text(E::Heading, "Heading", {20, 10, 620, 36}, kHeading, "СТАТИСТИКА"),
    Text(E::LifetimeHeader, "LifetimeHeader", {330, 52, 150, 24}, kColumnHeader, "Общо"),
    Text(E::SessionHeader, "SessionHeader", {490, 52, 150, 24}, kColumnHeader, "Тази сесия"),
    Text(E::Names, "Names", {24, 80, 300, 250}, kNames),
    Text(E::Lifetime, "Lifetime", {330, 80, 150, 250}, kFigures),
    Text(E::Session, "Session", {490, 80, 150, 250}, kFigures),
    Text(E::MachineReturn, "MachineReturn", {24, 338, 616, 44}, kNote, {}, kWrap),
    Text(E::Notice, "Notice", {24, 384, 616, 22}, kNotice, {}, kHidden),
}};
static_assert(IdsInOrder(kElements));

inline constexpr std::array<TimerSpec, 1> kTimers{
    {{0, "countingTimer", durations::kStatisticsCounting, false}}};

inline constexpr WindowSpec kWindow{WindowId::Statistics, "StatisticsWindow", "Статистика", 664, 420, colours::kWhite,
                                    Border::FixedCloseBox, false, kElements, kTimers};
// clang-format on
}  // namespace statistics_window

}  // namespace tarvolenka
