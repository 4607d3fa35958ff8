#pragma once

// The golden board: sixteen cells hide ten coins and six fouls.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class GoldenBoardEl : std::uint16_t {
  // The cells, row by row: cell k lies in grid row (k - 1) / 4, column (k - 1) % 4.
  Cell1, Cell2, Cell3, Cell4, Cell5, Cell6, Cell7, Cell8,
  Cell9, Cell10, Cell11, Cell12, Cell13, Cell14, Cell15, Cell16,
  // The prize ladder and the marker frame over its current rung.
  Ladder, LadderMarker, Banner,
  // The fouls still allowed, what a foul does, and how the game ended.
  FoulsLeft, FoulRule, Status,
  // Hidden picture stores: coin, foul and cover.
  StoreCoin, StoreFoul, StoreCover,
  // The ring the arrow keys move over the choices, drawn over everything.
  Ring,
  Count
};
// clang-format on

// The sixteen cells are one family, bound to their number 1..16.
enum class GoldenBoardClick : std::uint16_t { None, PickCell };

template <>
struct WindowOf<GoldenBoardEl> {
  static constexpr WindowId value = WindowId::GoldenBoard;
};

inline constexpr int kBoardCells = 16;

// Cell k (1..16).
constexpr GoldenBoardEl BoardCell(int k) {
  return Nth(GoldenBoardEl::Cell1, k - 1);
}

namespace golden_board_window {
using namespace build;
using E = GoldenBoardEl;
using C = GoldenBoardClick;

inline constexpr TextStyle kFoulsLeft = Style(13, true, colours::kMaroon, Align::Centre, true);
inline constexpr TextStyle kFoulRule = Style(10, true, colours::kBlack, Align::Centre, true);
inline constexpr TextStyle kStatus = Style(14, true, colours::kMaroon, Align::Centre, true);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(GoldenBoardEl::Count)> kElements{{
    Pic(E::Cell1, "Cell1", {26, 16, 80, 80}, Picture::GoldenCover, C::PickCell, 1),
    Pic(E::Cell2, "Cell2", {116, 16, 80, 80}, Picture::GoldenCover, C::PickCell, 2),
    Pic(E::Cell3, "Cell3", {206, 16, 80, 80}, Picture::GoldenCover, C::PickCell, 3),
    Pic(E::Cell4, "Cell4", {296, 16, 80, 80}, Picture::GoldenCover, C::PickCell, 4),
    Pic(E::Cell5, "Cell5", {26, 106, 80, 80}, Picture::GoldenCover, C::PickCell, 5),
    Pic(E::Cell6, "Cell6", {116, 106, 80, 80}, Picture::GoldenCover, C::PickCell, 6),
    Pic(E::Cell7, "Cell7", {206, 106, 80, 80}, Picture::GoldenCover, C::PickCell, 7),
    Pic(E::Cell8, "Cell8", {296, 106, 80, 80}, Picture::GoldenCover, C::PickCell, 8),
    Pic(E::Cell9, "Cell9", {26, 196, 80, 80}, Picture::GoldenCover, C::PickCell, 9),
    Pic(E::Cell10, "Cell10", {116, 196, 80, 80}, Picture::GoldenCover, C::PickCell, 10),
    Pic(E::Cell11, "Cell11", {206, 196, 80, 80}, Picture::GoldenCover, C::PickCell, 11),
    Pic(E::Cell12, "Cell12", {296, 196, 80, 80}, Picture::GoldenCover, C::PickCell, 12),
    Pic(E::Cell13, "Cell13", {26, 286, 80, 80}, Picture::GoldenCover, C::PickCell, 13),
    Pic(E::Cell14, "Cell14", {116, 286, 80, 80}, Picture::GoldenCover, C::PickCell, 14),
    Pic(E::Cell15, "Cell15", {206, 286, 80, 80}, Picture::GoldenCover, C::PickCell, 15),
    Pic(E::Cell16, "Cell16", {296, 286, 80, 80}, Picture::GoldenCover, C::PickCell, 16),
    Pic(E::Ladder, "Ladder", {426, 100, 85, 255}, Picture::Ladder, C::None),
    Pic(E::LadderMarker, "LadderMarker", {426, 166, 85, 33}, Picture::LadderMarker, C::None),
    Pic(E::Banner, "Banner", {78, 392, 256, 41}, Picture::BannerGoldenBoard, C::None),
    Text(E::FoulsLeft, "FoulsLeft", {396, 8, 128, 38}, kFoulsLeft, {}, kWrap),
    PanelOf(E::FoulRule, "FoulRule", {396, 50, 128, 46}, kFoulRule, colours::kPlank, "Последният\nпозволен фал\nспира играта", kWrap),
    Text(E::Status, "Status", {0, 396, 420, 34}, kStatus, "", kHidden),
    Store(E::StoreCoin, "StoreCoin", Picture::Coin),
    Store(E::StoreFoul, "StoreFoul", Picture::Foul),
    Store(E::StoreCover, "StoreCover", Picture::GoldenCover),
    RingFor(E::Ring, {26, 16, 80, 80}),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::GoldenBoard, "GoldenBoardWindow", "Златен Бонус", 533, 440, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace golden_board_window

}  // namespace tarvolenka
