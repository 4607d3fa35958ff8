#pragma once

// The golden pick: three covers hide the fouls the board allows.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class GoldenPickEl : std::uint16_t {
  // Visible elements, in stacking order.
  Cover1, Cover2, Cover3, Banner,
  // What the covers decide; under each cover once picked, the player's own or the one missed;
  // the fouls the board will allow.
  Hint, CoverLabel1, CoverLabel2, CoverLabel3, Status,
  // Hidden picture stores: the numbers 2, 3, 4 of fouls and the cover.
  StoreFouls2, StoreFouls3, StoreFouls4, StoreCover,
  // The ring the arrow keys move over the choices, drawn over everything.
  Ring,
  Count
};
// clang-format on

// The three covers are one family, bound to their number 1..3.
enum class GoldenPickClick : std::uint16_t { None, PickCover };

template <>
struct WindowOf<GoldenPickEl> {
  static constexpr WindowId value = WindowId::GoldenPick;
};

// Cover k (1..3), and the picture of v (2..4) fouls.
constexpr GoldenPickEl Cover(int k) {
  return Nth(GoldenPickEl::Cover1, k - 1);
}
constexpr GoldenPickEl CoverLabel(int k) {
  return Nth(GoldenPickEl::CoverLabel1, k - 1);
}
constexpr GoldenPickEl FoulsPicture(int v) {
  return Nth(GoldenPickEl::StoreFouls2, v - 2);
}

namespace golden_pick_window {
using namespace build;
using E = GoldenPickEl;
using C = GoldenPickClick;

inline constexpr TextStyle kHint = Style(12, true, colours::kBlack, Align::Centre, true);
inline constexpr TextStyle kCoverLabel = Style(11, true, colours::kMissed, Align::Centre, true);
inline constexpr TextStyle kStatus = Style(14, true, colours::kMaroon, Align::Centre, true);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(GoldenPickEl::Count)> kElements{{
    Pic(E::Cover1, "Cover1", {32, 30, 80, 80}, Picture::GoldenCover, C::PickCover, 1),
    Pic(E::Cover2, "Cover2", {178, 30, 80, 80}, Picture::GoldenCover, C::PickCover, 2),
    Pic(E::Cover3, "Cover3", {324, 30, 80, 80}, Picture::GoldenCover, C::PickCover, 3),
    Pic(E::Banner, "Banner", {90, 121, 257, 43}, Picture::BannerGoldenPick, C::None),
    PanelOf(E::Hint, "Hint", {38, 8, 360, 19}, kHint, colours::kPlank, "Капакът избира колко фала позволява таблото"),
    Text(E::CoverLabel1, "CoverLabel1", {17, 118, 110, 16}, kCoverLabel, "", kHidden),
    Text(E::CoverLabel2, "CoverLabel2", {163, 118, 110, 16}, kCoverLabel, "", kHidden),
    Text(E::CoverLabel3, "CoverLabel3", {309, 118, 110, 16}, kCoverLabel, "", kHidden),
    Text(E::Status, "Status", {0, 136, 436, 30}, kStatus, "", kHidden),
    Store(E::StoreFouls2, "StoreFouls2", Picture::Fouls2),
    Store(E::StoreFouls3, "StoreFouls3", Picture::Fouls3),
    Store(E::StoreFouls4, "StoreFouls4", Picture::Fouls4),
    Store(E::StoreCover, "StoreCover", Picture::GoldenCover),
    RingFor(E::Ring, {32, 30, 80, 80}),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::GoldenPick, "GoldenPickWindow", "Златен Бонус", 436, 175, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace golden_pick_window

}  // namespace tarvolenka
