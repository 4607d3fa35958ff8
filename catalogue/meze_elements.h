#pragma once

// The meze bonus: four rows of six vegetables hide the prizes.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class MezeEl : std::uint16_t {
  // The vegetables, row by row in the order of play (bottom row first).
  Cabbage1, Cabbage2, Cabbage3, Cabbage4, Cabbage5, Cabbage6,
  Tomato1, Tomato2, Tomato3, Tomato4, Tomato5, Tomato6,
  Potato1, Potato2, Potato3, Potato4, Potato5, Potato6,
  Turnip1, Turnip2, Turnip3, Turnip4, Turnip5, Turnip6,
  // Each prize label hangs under its vegetable, clear of the art and of the ring around it.
  CabbagePrize1, CabbagePrize2, CabbagePrize3, CabbagePrize4, CabbagePrize5, CabbagePrize6,
  TomatoPrize1, TomatoPrize2, TomatoPrize3, TomatoPrize4, TomatoPrize5, TomatoPrize6,
  PotatoPrize1, PotatoPrize2, PotatoPrize3, PotatoPrize4, PotatoPrize5, PotatoPrize6,
  TurnipPrize1, TurnipPrize2, TurnipPrize3, TurnipPrize4, TurnipPrize5, TurnipPrize6,
  Total, Banner,
  // In the prompt's place once the game is over: how it ended.
  Status,
  // The ring the arrow keys move over the choices, drawn over everything.
  Ring,
  Count
};
// clang-format on

// The 24 vegetables are one family, bound to row × 6 + k: Cabbage 1..6, Tomato 7..12,
// Potato 13..18, Turnip 19..24.
enum class MezeClick : std::uint16_t { None, PickVegetable };

template <>
struct WindowOf<MezeEl> {
  static constexpr WindowId value = WindowId::Meze;
};

inline constexpr int kMezeRows = 4;
inline constexpr int kMezeCells = 6;

// Picture and label k (1..6) of row `row` (0 = Cabbage .. 3 = Turnip).
constexpr MezeEl MezePicture(int row, int k) {
  return Nth(MezeEl::Cabbage1, row * kMezeCells + k - 1);
}
constexpr MezeEl MezeLabel(int row, int k) {
  return Nth(MezeEl::CabbagePrize1, row * kMezeCells + k - 1);
}

namespace meze_window {
using namespace build;
using E = MezeEl;
using C = MezeClick;

// Sizes change at run time (12 points, 20 for the picked cell); 16 px is 12 points.
inline constexpr TextStyle kPrize =
    Opaque(Style(16, true, colours::kRed, Align::Centre, true), colours::kYellow);
inline constexpr TextStyle kTotal = Style(29, true, colours::kRed, Align::Centre, true);
inline constexpr TextStyle kStatus = Style(18, true, colours::kMaroon, Align::Centre, true);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(MezeEl::Count)> kElements{{
    Pic(E::Cabbage1, "Cabbage1", {32, 372, 78, 62}, Picture::VegCabbage, C::PickVegetable, 1, kStretch | kTransparent),
    Pic(E::Cabbage2, "Cabbage2", {138, 372, 78, 62}, Picture::VegCabbage, C::PickVegetable, 2, kStretch | kTransparent),
    Pic(E::Cabbage3, "Cabbage3", {244, 372, 78, 62}, Picture::VegCabbage, C::PickVegetable, 3, kStretch | kTransparent),
    Pic(E::Cabbage4, "Cabbage4", {350, 372, 78, 62}, Picture::VegCabbage, C::PickVegetable, 4, kStretch | kTransparent),
    Pic(E::Cabbage5, "Cabbage5", {456, 372, 78, 62}, Picture::VegCabbage, C::PickVegetable, 5, kStretch | kTransparent),
    Pic(E::Cabbage6, "Cabbage6", {562, 372, 78, 62}, Picture::VegCabbage, C::PickVegetable, 6, kStretch | kTransparent),
    Pic(E::Tomato1, "Tomato1", {41, 268, 61, 62}, Picture::VegTomato, C::PickVegetable, 7, kStretch | kTransparent | kHidden),
    Pic(E::Tomato2, "Tomato2", {147, 268, 61, 62}, Picture::VegTomato, C::PickVegetable, 8, kStretch | kTransparent | kHidden),
    Pic(E::Tomato3, "Tomato3", {253, 268, 61, 62}, Picture::VegTomato, C::PickVegetable, 9, kStretch | kTransparent | kHidden),
    Pic(E::Tomato4, "Tomato4", {359, 268, 61, 62}, Picture::VegTomato, C::PickVegetable, 10, kStretch | kTransparent | kHidden),
    Pic(E::Tomato5, "Tomato5", {465, 268, 61, 62}, Picture::VegTomato, C::PickVegetable, 11, kStretch | kTransparent | kHidden),
    Pic(E::Tomato6, "Tomato6", {571, 268, 61, 62}, Picture::VegTomato, C::PickVegetable, 12, kStretch | kTransparent | kHidden),
    Pic(E::Potato1, "Potato1", {27, 164, 88, 62}, Picture::VegPotato, C::PickVegetable, 13, kStretch | kTransparent | kHidden),
    Pic(E::Potato2, "Potato2", {133, 164, 88, 62}, Picture::VegPotato, C::PickVegetable, 14, kStretch | kTransparent | kHidden),
    Pic(E::Potato3, "Potato3", {239, 164, 88, 62}, Picture::VegPotato, C::PickVegetable, 15, kStretch | kTransparent | kHidden),
    Pic(E::Potato4, "Potato4", {345, 164, 88, 62}, Picture::VegPotato, C::PickVegetable, 16, kStretch | kTransparent | kHidden),
    Pic(E::Potato5, "Potato5", {451, 164, 88, 62}, Picture::VegPotato, C::PickVegetable, 17, kStretch | kTransparent | kHidden),
    Pic(E::Potato6, "Potato6", {557, 164, 88, 62}, Picture::VegPotato, C::PickVegetable, 18, kStretch | kTransparent | kHidden),
    Pic(E::Turnip1, "Turnip1", {47, 60, 48, 62}, Picture::VegTurnip, C::PickVegetable, 19, kStretch | kTransparent | kHidden),
    Pic(E::Turnip2, "Turnip2", {153, 60, 48, 62}, Picture::VegTurnip, C::PickVegetable, 20, kStretch | kTransparent | kHidden),
    Pic(E::Turnip3, "Turnip3", {259, 60, 48, 62}, Picture::VegTurnip, C::PickVegetable, 21, kStretch | kTransparent | kHidden),
    Pic(E::Turnip4, "Turnip4", {365, 60, 48, 62}, Picture::VegTurnip, C::PickVegetable, 22, kStretch | kTransparent | kHidden),
    Pic(E::Turnip5, "Turnip5", {471, 60, 48, 62}, Picture::VegTurnip, C::PickVegetable, 23, kStretch | kTransparent | kHidden),
    Pic(E::Turnip6, "Turnip6", {577, 60, 48, 62}, Picture::VegTurnip, C::PickVegetable, 24, kStretch | kTransparent | kHidden),
    Text(E::CabbagePrize1, "CabbagePrize1", {27, 443, 88, 28}, kPrize, {}, kHidden),
    Text(E::CabbagePrize2, "CabbagePrize2", {133, 443, 88, 28}, kPrize, {}, kHidden),
    Text(E::CabbagePrize3, "CabbagePrize3", {239, 443, 88, 28}, kPrize, {}, kHidden),
    Text(E::CabbagePrize4, "CabbagePrize4", {345, 443, 88, 28}, kPrize, {}, kHidden),
    Text(E::CabbagePrize5, "CabbagePrize5", {451, 443, 88, 28}, kPrize, {}, kHidden),
    Text(E::CabbagePrize6, "CabbagePrize6", {557, 443, 88, 28}, kPrize, {}, kHidden),
    Text(E::TomatoPrize1, "TomatoPrize1", {27, 339, 88, 28}, kPrize, {}, kHidden),
    Text(E::TomatoPrize2, "TomatoPrize2", {133, 339, 88, 28}, kPrize, {}, kHidden),
    Text(E::TomatoPrize3, "TomatoPrize3", {239, 339, 88, 28}, kPrize, {}, kHidden),
    Text(E::TomatoPrize4, "TomatoPrize4", {345, 339, 88, 28}, kPrize, {}, kHidden),
    Text(E::TomatoPrize5, "TomatoPrize5", {451, 339, 88, 28}, kPrize, {}, kHidden),
    Text(E::TomatoPrize6, "TomatoPrize6", {557, 339, 88, 28}, kPrize, {}, kHidden),
    Text(E::PotatoPrize1, "PotatoPrize1", {27, 235, 88, 28}, kPrize, {}, kHidden),
    Text(E::PotatoPrize2, "PotatoPrize2", {133, 235, 88, 28}, kPrize, {}, kHidden),
    Text(E::PotatoPrize3, "PotatoPrize3", {239, 235, 88, 28}, kPrize, {}, kHidden),
    Text(E::PotatoPrize4, "PotatoPrize4", {345, 235, 88, 28}, kPrize, {}, kHidden),
    Text(E::PotatoPrize5, "PotatoPrize5", {451, 235, 88, 28}, kPrize, {}, kHidden),
    Text(E::PotatoPrize6, "PotatoPrize6", {557, 235, 88, 28}, kPrize, {}, kHidden),
    Text(E::TurnipPrize1, "TurnipPrize1", {27, 131, 88, 28}, kPrize, {}, kHidden),
    Text(E::TurnipPrize2, "TurnipPrize2", {133, 131, 88, 28}, kPrize, {}, kHidden),
    Text(E::TurnipPrize3, "TurnipPrize3", {239, 131, 88, 28}, kPrize, {}, kHidden),
    Text(E::TurnipPrize4, "TurnipPrize4", {345, 131, 88, 28}, kPrize, {}, kHidden),
    Text(E::TurnipPrize5, "TurnipPrize5", {451, 131, 88, 28}, kPrize, {}, kHidden),
    Text(E::TurnipPrize6, "TurnipPrize6", {557, 131, 88, 28}, kPrize, {}, kHidden),
    PanelOf(E::Total, "Total", {242, 10, 185, 38}, kTotal, colours::kYellow),
    Pic(E::Banner, "Banner", {174, 476, 320, 37}, Picture::BannerMeze, C::None),
    Text(E::Status, "Status", {0, 478, 672, 34}, kStatus, "", kHidden),
    // Every vegetable is drawn 62 high; the widest is a potato.
    RingFor(E::Ring, {32, 372, 78, 62}, 88, 62),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Meze, "MezeWindow", "Мезе Бонус", 672, 525, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace meze_window

}  // namespace tarvolenka
