#pragma once

// The history: the last games, newest first, and one of them redrawn as it looked, with its
// wins, bonus picks and double-up told in words.

#include <array>

#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class HistoryEl : std::uint16_t {
  Heading,
  Row1, Row2, Row3, Row4, Row5, Row6, Row7, Row8, Row9, Row10,
  NewerButton, PageText, OlderButton, StatisticsButton,
  GameTitle, Reels, PreviousSpin, SpinText, NextSpin, Details, EmptyNotice, CloseButton,
  Count
};
// clang-format on

enum class HistoryClick : std::uint16_t {
  None,
  SelectRow,
  SelectNewer,
  SelectOlder,
  PreviousSpin,
  NextSpin,
  OpenStatistics,
  Close,
};

template <>
struct WindowOf<HistoryEl> {
  static constexpr WindowId value = WindowId::History;
};

inline constexpr int kHistoryRows = 10;
inline constexpr int kHistoryGamesShown = 100;

constexpr HistoryEl HistoryRow(int i) {  // i counts from 0
  return Nth(HistoryEl::Row1, i);
}

namespace history_window {
using namespace build;
using E = HistoryEl;
using C = HistoryClick;

inline constexpr Rgb kRowPlate{255, 243, 214};
inline constexpr Rgb kSelectedPlate{255, 214, 64};
inline constexpr Rgb kReelsBackground{166, 202, 240};

inline constexpr TextStyle kHeading = Style(20, true, Rgb{255, 214, 64}, Align::Centre, true);
inline constexpr TextStyle kRow = Style(13, false, colours::kBlack, Align::Left, true);
inline constexpr TextStyle kTitle = Style(14, true, Rgb{92, 50, 20}, Align::Centre, true);
inline constexpr TextStyle kPage = Style(12, true, Rgb{92, 50, 20}, Align::Centre, true);
inline constexpr TextStyle kDetails = Style(13, false, colours::kBlack, Align::Left, false);
inline constexpr TextStyle kNotice = Style(16, true, Rgb{92, 50, 20}, Align::Centre, true);

constexpr ElementSpec RowOf(int i, std::string_view name) {
  ElementSpec e = PanelOf(HistoryRow(i), name, {20, 52 + 47 * i, 330, 43}, kRow, kRowPlate);
  e.click = static_cast<std::uint16_t>(C::SelectRow);
  e.number = static_cast<std::uint8_t>(i);
  return e;
}

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(E::Count)> kElements{{
    Text(E::Heading, "Heading", {20, 10, 330, 36}, kHeading, "ПОСЛЕДНИТЕ ИГРИ"),
    RowOf(0, "Row1"), RowOf(1, "Row2"), RowOf(2, "Row3"), RowOf(3, "Row4"), RowOf(4, "Row5"),
    RowOf(5, "Row6"), RowOf(6, "Row7"), RowOf(7, "Row8"), RowOf(8, "Row9"), RowOf(9, "Row10"),
    WoodButton(E::NewerButton, "NewerButton", {20, 526, 114, 36}, C::SelectNewer, "▲ ПО-НОВА"),
    Text(E::PageText, "PageText", {136, 526, 98, 36}, kPage),
    WoodButton(E::OlderButton, "OlderButton", {236, 526, 114, 36}, C::SelectOlder, "▼ ПО-СТАРА"),
    WoodButton(E::StatisticsButton, "StatisticsButton", {20, 578, 330, 40}, C::OpenStatistics, "СТАТИСТИКА"),
    Text(E::GameTitle, "GameTitle", {370, 10, 625, 36}, kTitle),
    PaintBoxOf(E::Reels, "Reels", {370, 52, 625, 375}, kReelsBackground),
    WoodButton(E::PreviousSpin, "PreviousSpin", {370, 434, 56, 32}, C::PreviousSpin, "◄"),
    Text(E::SpinText, "SpinText", {432, 434, 501, 32}, kPage),
    WoodButton(E::NextSpin, "NextSpin", {939, 434, 56, 32}, C::NextSpin, "►"),
    Text(E::Details, "Details", {370, 474, 625, 200}, kDetails, {}, kWrap),
    Text(E::EmptyNotice, "EmptyNotice", {370, 200, 625, 60}, kNotice, "Още няма изиграни игри.", kHidden),
    WoodButton(E::CloseButton, "CloseButton", {20, 632, 330, 40}, C::Close, "ЗАТВОРИ"),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::History, "HistoryWindow", "История", 1015, 690, colours::kWhite,
                                    Border::FixedCloseBox, false, kElements, {}};
// clang-format on
}  // namespace history_window

}  // namespace tarvolenka
