#pragma once

// The statistics: the player's figures over the whole history and over this session on a
// paper card, and under it, in a box of its own, the machine's exact return for the lines and
// stake being played, so the two are never read as one.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class StatisticsEl : std::uint16_t {
  Heading, LifetimeHeader, SessionHeader, Names, Lifetime, Session, MachineReturnHeading,
  MachineReturn, Notice, CloseButton, Count
};
// clang-format on

enum class StatisticsClick : std::uint16_t { None, Close };

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
inline constexpr TextStyle kColumnHeader = Style(14, true, kWood, Align::Right, true);
inline constexpr TextStyle kNames = Style(15, false, colours::kBlack, Align::Left, false);
inline constexpr TextStyle kFigures = Style(15, true, colours::kBlack, Align::Right, false);
inline constexpr TextStyle kNoteHeading = Style(14, true, kWood, Align::Left, true);
inline constexpr TextStyle kNote = Style(13, false, colours::kBlack, Align::Left, false);
inline constexpr TextStyle kNotice = Style(11, false, Rgb{150, 0, 0}, Align::Left, true);

// The paper card the player's figures lie on, every other row shaded from the names' top so
// that a name leads the eye across to its figures, and under it the boxed note on the
// machine's return, on paper of another tint.
inline constexpr Rect kFiguresCard{14, 46, 636, 290};
inline constexpr int kFigureRows = 14;  // the lines of the names, one per figure
inline constexpr Rgb kFiguresPaper{255, 252, 242};
inline constexpr Rgb kFiguresRowShade{240, 228, 204};
inline constexpr Rect kNoteBox{14, 362, 636, 78};
inline constexpr Rgb kNotePaper{250, 240, 214};

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(E::Count)> kElements{{
    Text(E::Heading, "Heading", {20, 10, 620, 36}, kHeading, "СТАТИСТИКА"),
    Text(E::LifetimeHeader, "LifetimeHeader", {330, 52, 150, 24}, kColumnHeader, "Общо"),
    Text(E::SessionHeader, "SessionHeader", {490, 52, 150, 24}, kColumnHeader, "Тази сесия"),
    Text(E::Names, "Names", {24, 80, 300, 250}, kNames),
    Text(E::Lifetime, "Lifetime", {330, 80, 150, 250}, kFigures),
    Text(E::Session, "Session", {490, 80, 150, 250}, kFigures),
    Text(E::MachineReturnHeading, "MachineReturnHeading", {kNoteBox.left + 14, kNoteBox.top + 6, kNoteBox.width - 28, 22}, kNoteHeading, "Теоретична възвръщаемост"),
    Text(E::MachineReturn, "MachineReturn", {kNoteBox.left + 14, kNoteBox.top + 30, kNoteBox.width - 28, 40}, kNote, {}, kWrap),
    Text(E::Notice, "Notice", {24, 340, 616, 20}, kNotice, {}, kHidden),
    WoodButton(E::CloseButton, "CloseButton", {232, 452, 200, 38}, StatisticsClick::Close, "ЗАТВОРИ"),
}};
static_assert(IdsInOrder(kElements));

inline constexpr std::array<TimerSpec, 1> kTimers{
    {{0, "countingTimer", durations::kStatisticsCounting, false}}};

inline constexpr WindowSpec kWindow{WindowId::Statistics, "StatisticsWindow", "Статистика", 664, 504, colours::kWhite,
                                    Border::FixedCloseBox, false, kElements, kTimers};
// clang-format on
}  // namespace statistics_window

}  // namespace tarvolenka
