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
  // Each prize label lies over its vegetable.
  CabbagePrize1, CabbagePrize2, CabbagePrize3, CabbagePrize4, CabbagePrize5, CabbagePrize6,
  TomatoPrize1, TomatoPrize2, TomatoPrize3, TomatoPrize4, TomatoPrize5, TomatoPrize6,
  PotatoPrize1, PotatoPrize2, PotatoPrize3, PotatoPrize4, PotatoPrize5, PotatoPrize6,
  TurnipPrize1, TurnipPrize2, TurnipPrize3, TurnipPrize4, TurnipPrize5, TurnipPrize6,
  Total, Banner,
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

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(MezeEl::Count)> kElements{{
    Pic(E::Cabbage1, "Cabbage1", {24, 382, 95, 76}, Picture::VegCabbage, C::PickVegetable, 1),
    Pic(E::Cabbage2, "Cabbage2", {130, 382, 95, 76}, Picture::VegCabbage, C::PickVegetable, 2),
    Pic(E::Cabbage3, "Cabbage3", {236, 382, 95, 76}, Picture::VegCabbage, C::PickVegetable, 3),
    Pic(E::Cabbage4, "Cabbage4", {342, 382, 95, 76}, Picture::VegCabbage, C::PickVegetable, 4),
    Pic(E::Cabbage5, "Cabbage5", {448, 382, 95, 76}, Picture::VegCabbage, C::PickVegetable, 5),
    Pic(E::Cabbage6, "Cabbage6", {554, 380, 95, 76}, Picture::VegCabbage, C::PickVegetable, 6),
    Pic(E::Tomato1, "Tomato1", {30, 278, 81, 82}, Picture::VegTomato, C::PickVegetable, 7, kTransparent | kHidden),
    Pic(E::Tomato2, "Tomato2", {134, 278, 81, 82}, Picture::VegTomato, C::PickVegetable, 8, kTransparent | kHidden),
    Pic(E::Tomato3, "Tomato3", {244, 278, 81, 82}, Picture::VegTomato, C::PickVegetable, 9, kTransparent | kHidden),
    Pic(E::Tomato4, "Tomato4", {346, 278, 81, 82}, Picture::VegTomato, C::PickVegetable, 10, kTransparent | kHidden),
    Pic(E::Tomato5, "Tomato5", {450, 278, 81, 82}, Picture::VegTomato, C::PickVegetable, 11, kTransparent | kHidden),
    Pic(E::Tomato6, "Tomato6", {560, 278, 81, 82}, Picture::VegTomato, C::PickVegetable, 12, kTransparent | kHidden),
    Pic(E::Potato1, "Potato1", {28, 188, 91, 64}, Picture::VegPotato, C::PickVegetable, 13, kTransparent | kHidden),
    Pic(E::Potato2, "Potato2", {130, 188, 91, 64}, Picture::VegPotato, C::PickVegetable, 14, kTransparent | kHidden),
    Pic(E::Potato3, "Potato3", {236, 188, 91, 64}, Picture::VegPotato, C::PickVegetable, 15, kTransparent | kHidden),
    Pic(E::Potato4, "Potato4", {340, 188, 91, 64}, Picture::VegPotato, C::PickVegetable, 16, kTransparent | kHidden),
    Pic(E::Potato5, "Potato5", {446, 188, 91, 64}, Picture::VegPotato, C::PickVegetable, 17, kTransparent | kHidden),
    Pic(E::Potato6, "Potato6", {552, 188, 91, 64}, Picture::VegPotato, C::PickVegetable, 18, kTransparent | kHidden),
    Pic(E::Turnip1, "Turnip1", {40, 78, 67, 87}, Picture::VegTurnip, C::PickVegetable, 19, kTransparent | kHidden),
    Pic(E::Turnip2, "Turnip2", {142, 78, 67, 87}, Picture::VegTurnip, C::PickVegetable, 20, kTransparent | kHidden),
    Pic(E::Turnip3, "Turnip3", {248, 78, 67, 87}, Picture::VegTurnip, C::PickVegetable, 21, kTransparent | kHidden),
    Pic(E::Turnip4, "Turnip4", {352, 78, 67, 87}, Picture::VegTurnip, C::PickVegetable, 22, kTransparent | kHidden),
    Pic(E::Turnip5, "Turnip5", {452, 78, 67, 87}, Picture::VegTurnip, C::PickVegetable, 23, kTransparent | kHidden),
    Pic(E::Turnip6, "Turnip6", {560, 78, 67, 87}, Picture::VegTurnip, C::PickVegetable, 24, kTransparent | kHidden),
    Text(E::CabbagePrize1, "CabbagePrize1", {38, 404, 71, 35}, kPrize, {}, kHidden),
    Text(E::CabbagePrize2, "CabbagePrize2", {142, 404, 71, 35}, kPrize, {}, kHidden),
    Text(E::CabbagePrize3, "CabbagePrize3", {248, 404, 71, 35}, kPrize, {}, kHidden),
    Text(E::CabbagePrize4, "CabbagePrize4", {354, 404, 71, 35}, kPrize, {}, kHidden),
    Text(E::CabbagePrize5, "CabbagePrize5", {460, 402, 71, 35}, kPrize, {}, kHidden),
    Text(E::CabbagePrize6, "CabbagePrize6", {566, 404, 71, 35}, kPrize, {}, kHidden),
    Text(E::TomatoPrize1, "TomatoPrize1", {36, 302, 71, 35}, kPrize, {}, kHidden),
    Text(E::TomatoPrize2, "TomatoPrize2", {140, 302, 71, 35}, kPrize, {}, kHidden),
    Text(E::TomatoPrize3, "TomatoPrize3", {250, 302, 71, 35}, kPrize, {}, kHidden),
    Text(E::TomatoPrize4, "TomatoPrize4", {352, 300, 71, 35}, kPrize, {}, kHidden),
    Text(E::TomatoPrize5, "TomatoPrize5", {456, 302, 71, 35}, kPrize, {}, kHidden),
    Text(E::TomatoPrize6, "TomatoPrize6", {566, 302, 71, 35}, kPrize, {}, kHidden),
    Text(E::PotatoPrize1, "PotatoPrize1", {38, 200, 71, 35}, kPrize, {}, kHidden),
    Text(E::PotatoPrize2, "PotatoPrize2", {140, 200, 71, 35}, kPrize, {}, kHidden),
    Text(E::PotatoPrize3, "PotatoPrize3", {246, 200, 71, 35}, kPrize, {}, kHidden),
    Text(E::PotatoPrize4, "PotatoPrize4", {350, 200, 71, 35}, kPrize, {}, kHidden),
    Text(E::PotatoPrize5, "PotatoPrize5", {456, 200, 71, 35}, kPrize, {}, kHidden),
    Text(E::PotatoPrize6, "PotatoPrize6", {562, 200, 71, 35}, kPrize, {}, kHidden),
    Text(E::TurnipPrize1, "TurnipPrize1", {38, 118, 71, 35}, kPrize, {}, kHidden),
    Text(E::TurnipPrize2, "TurnipPrize2", {140, 118, 71, 35}, kPrize, {}, kHidden),
    Text(E::TurnipPrize3, "TurnipPrize3", {246, 118, 71, 35}, kPrize, {}, kHidden),
    Text(E::TurnipPrize4, "TurnipPrize4", {350, 120, 71, 35}, kPrize, {}, kHidden),
    Text(E::TurnipPrize5, "TurnipPrize5", {450, 120, 71, 35}, kPrize, {}, kHidden),
    Text(E::TurnipPrize6, "TurnipPrize6", {558, 120, 71, 35}, kPrize, {}, kHidden),
    PanelOf(E::Total, "Total", {242, 14, 185, 41}, kTotal, colours::kYellow),
    Pic(E::Banner, "Banner", {174, 476, 320, 37}, Picture::BannerMeze, C::None),
    // The widest vegetable is a cabbage, the tallest a turnip.
    RingFor(E::Ring, {24, 382, 95, 76}, 95, 87),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Meze, "MezeWindow", "Мезе Бонус", 672, 525, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace meze_window

}  // namespace tarvolenka
