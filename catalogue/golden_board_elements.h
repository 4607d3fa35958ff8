#pragma once

// The golden board: sixteen cells hide ten coins and six fouls.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class GoldenBoardEl : std::uint16_t {
  // The cells, row by row: cell k lies in grid row (k - 1) / 4, column (k - 1) % 4.
  Image1, Image2, Image3, Image4, Image5, Image6, Image7, Image8,
  Image9, Image10, Image11, Image12, Image13, Image14, Image15, Image16,
  // The prize ladder and the marker frame over its current rung.
  ImageStylba, ImageStrelka, ImageOK,
  // Hidden picture stores: coin, foul and cover.
  ImageMoneta, ImageFal, ImageRamka,
  Count
};
// clang-format on

// The sixteen cells are one family, bound to their number 1..16.
enum class GoldenBoardClick : std::uint16_t { None, ImageClick };

template <>
struct WindowOf<GoldenBoardEl> {
  static constexpr WindowId value = WindowId::GoldenBoard;
};

inline constexpr int kBoardCells = 16;

// Cell k (1..16).
constexpr GoldenBoardEl BoardCell(int k) {
  return Nth(GoldenBoardEl::Image1, k - 1);
}

namespace golden_board_window {
using namespace build;
using E = GoldenBoardEl;
using C = GoldenBoardClick;

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(GoldenBoardEl::Count)> kElements{{
    Pic(E::Image1, "Image1", {26, 16, 80, 80}, Picture::GoldenCover, C::ImageClick, 1),
    Pic(E::Image2, "Image2", {116, 16, 80, 80}, Picture::GoldenCover, C::ImageClick, 2),
    Pic(E::Image3, "Image3", {206, 16, 80, 80}, Picture::GoldenCover, C::ImageClick, 3),
    Pic(E::Image4, "Image4", {296, 16, 80, 80}, Picture::GoldenCover, C::ImageClick, 4),
    Pic(E::Image5, "Image5", {26, 106, 80, 80}, Picture::GoldenCover, C::ImageClick, 5),
    Pic(E::Image6, "Image6", {116, 106, 80, 80}, Picture::GoldenCover, C::ImageClick, 6),
    Pic(E::Image7, "Image7", {206, 106, 80, 80}, Picture::GoldenCover, C::ImageClick, 7),
    Pic(E::Image8, "Image8", {296, 106, 80, 80}, Picture::GoldenCover, C::ImageClick, 8),
    Pic(E::Image9, "Image9", {26, 196, 80, 80}, Picture::GoldenCover, C::ImageClick, 9),
    Pic(E::Image10, "Image10", {116, 196, 80, 80}, Picture::GoldenCover, C::ImageClick, 10),
    Pic(E::Image11, "Image11", {206, 196, 80, 80}, Picture::GoldenCover, C::ImageClick, 11),
    Pic(E::Image12, "Image12", {296, 196, 80, 80}, Picture::GoldenCover, C::ImageClick, 12),
    Pic(E::Image13, "Image13", {26, 286, 80, 80}, Picture::GoldenCover, C::ImageClick, 13),
    Pic(E::Image14, "Image14", {116, 286, 80, 80}, Picture::GoldenCover, C::ImageClick, 14),
    Pic(E::Image15, "Image15", {206, 286, 80, 80}, Picture::GoldenCover, C::ImageClick, 15),
    Pic(E::Image16, "Image16", {296, 286, 80, 80}, Picture::GoldenCover, C::ImageClick, 16),
    Pic(E::ImageStylba, "ImageStylba", {426, 100, 85, 255}, Picture::Ladder, C::None),
    Pic(E::ImageStrelka, "ImageStrelka", {426, 166, 85, 33}, Picture::LadderMarker, C::None),
    Pic(E::ImageOK, "ImageOK", {78, 392, 256, 41}, Picture::BannerGoldenBoard, C::None),
    Store(E::ImageMoneta, "ImageMoneta", Picture::Coin),
    Store(E::ImageFal, "ImageFal", Picture::Foul),
    Store(E::ImageRamka, "ImageRamka", Picture::GoldenCover),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::GoldenBoard, "TFormZlatenBonus", "Златен Бонус", 533, 440, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace golden_board_window

}  // namespace tarvolenka
