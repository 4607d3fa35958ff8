#pragma once

// The cups bonus: fifteen cups hide five prizes three times each.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class CupsEl : std::uint16_t {
  // The cups, a pyramid of 3, 5 and 7 from the top.
  Cup1, Cup2, Cup3, Cup4, Cup5, Cup6, Cup7, Cup8,
  Cup9, Cup10, Cup11, Cup12, Cup13, Cup14, Cup15,
  // The prize on each cup.
  CupPrize1, CupPrize2, CupPrize3, CupPrize4, CupPrize5, CupPrize6, CupPrize7, CupPrize8,
  CupPrize9, CupPrize10, CupPrize11, CupPrize12, CupPrize13, CupPrize14, CupPrize15,
  // The multiplier and the picked bottle, and the lettering.
  Multiplier, PickedBottle, Banner,
  // The level found three times, in the banner's place once the game is over.
  Status,
  // Hidden picture stores: the cup of each drink.
  StoreCupVodka, StoreCupBrandy, StoreCupRakia, StoreCupWine, StoreCupBeer,
  // The ring the arrow keys move over the choices, drawn over everything.
  Ring,
  Count
};
// clang-format on

// The fifteen cups are one family, bound to their number 1..15.
enum class CupsClick : std::uint16_t { None, PickCup };

template <>
struct WindowOf<CupsEl> {
  static constexpr WindowId value = WindowId::Cups;
};

inline constexpr int kCups = 15;

// Cup i (1..15), its prize label, and the cup picture of drink d (1..5, as the bottles).
constexpr CupsEl Cup(int i) {
  return Nth(CupsEl::Cup1, i - 1);
}
constexpr CupsEl CupLabel(int i) {
  return Nth(CupsEl::CupPrize1, i - 1);
}
constexpr CupsEl CupOfDrink(int d) {
  return Nth(CupsEl::StoreCupVodka, d - 1);
}

namespace cups_window {
using namespace build;
using E = CupsEl;
using C = CupsClick;

// 13 px at design; the game sets 10 points, and 20 for an opened cup. The labels keep the
// room of their largest text centred on their cup, as the desktop does not size labels to
// their text.
inline constexpr TextStyle kPrize =
    Opaque(Style(13, true, colours::kRed, Align::Centre), colours::kYellow);
inline constexpr TextStyle kMultiplier = Style(32, true, colours::kRed, Align::Centre);

inline constexpr TextStyle kStatus = Style(14, true, colours::kMaroon, Align::Centre, true);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(CupsEl::Count)> kElements{{
    Pic(E::Cup1, "Cup1", {230, 18, 83, 113}, Picture::CupVodka, C::PickCup, 1),
    Pic(E::Cup2, "Cup2", {332, 18, 83, 113}, Picture::CupVodka, C::PickCup, 2),
    Pic(E::Cup3, "Cup3", {432, 20, 83, 113}, Picture::CupVodka, C::PickCup, 3),
    Pic(E::Cup4, "Cup4", {128, 152, 83, 113}, Picture::CupVodka, C::PickCup, 4),
    Pic(E::Cup5, "Cup5", {230, 152, 83, 113}, Picture::CupVodka, C::PickCup, 5),
    Pic(E::Cup6, "Cup6", {326, 152, 83, 113}, Picture::CupVodka, C::PickCup, 6),
    Pic(E::Cup7, "Cup7", {428, 152, 83, 113}, Picture::CupVodka, C::PickCup, 7),
    Pic(E::Cup8, "Cup8", {528, 152, 83, 113}, Picture::CupVodka, C::PickCup, 8),
    Pic(E::Cup9, "Cup9", {28, 284, 83, 113}, Picture::CupVodka, C::PickCup, 9),
    Pic(E::Cup10, "Cup10", {130, 284, 83, 113}, Picture::CupVodka, C::PickCup, 10),
    Pic(E::Cup11, "Cup11", {230, 284, 83, 113}, Picture::CupVodka, C::PickCup, 11),
    Pic(E::Cup12, "Cup12", {328, 284, 83, 113}, Picture::CupVodka, C::PickCup, 12),
    Pic(E::Cup13, "Cup13", {424, 284, 83, 113}, Picture::CupVodka, C::PickCup, 13),
    Pic(E::Cup14, "Cup14", {526, 284, 83, 113}, Picture::CupVodka, C::PickCup, 14),
    Pic(E::Cup15, "Cup15", {626, 284, 83, 113}, Picture::CupVodka, C::PickCup, 15),
    Text(E::CupPrize1, "CupPrize1", {241, 64, 60, 32}, kPrize, "150", kHidden),
    Text(E::CupPrize2, "CupPrize2", {343, 64, 60, 32}, kPrize, "150", kHidden),
    Text(E::CupPrize3, "CupPrize3", {443, 66, 60, 32}, kPrize, "150", kHidden),
    Text(E::CupPrize4, "CupPrize4", {139, 200, 60, 32}, kPrize, "150", kHidden),
    Text(E::CupPrize5, "CupPrize5", {241, 200, 60, 32}, kPrize, "150", kHidden),
    Text(E::CupPrize6, "CupPrize6", {337, 200, 60, 32}, kPrize, "150", kHidden),
    Text(E::CupPrize7, "CupPrize7", {441, 198, 60, 32}, kPrize, "150", kHidden),
    Text(E::CupPrize8, "CupPrize8", {541, 200, 60, 32}, kPrize, "150", kHidden),
    Text(E::CupPrize9, "CupPrize9", {41, 332, 60, 32}, kPrize, "150", kHidden),
    Text(E::CupPrize10, "CupPrize10", {143, 330, 60, 32}, kPrize, "150", kHidden),
    Text(E::CupPrize11, "CupPrize11", {241, 330, 60, 32}, kPrize, "150", kHidden),
    Text(E::CupPrize12, "CupPrize12", {341, 330, 60, 32}, kPrize, "150", kHidden),
    Text(E::CupPrize13, "CupPrize13", {435, 330, 60, 32}, kPrize, "150", kHidden),
    Text(E::CupPrize14, "CupPrize14", {537, 328, 60, 32}, kPrize, "150", kHidden),
    Text(E::CupPrize15, "CupPrize15", {639, 330, 60, 32}, kPrize, "150", kHidden),
    Text(E::Multiplier, "Multiplier", {20, 10, 48, 37}, kMultiplier, "X1"),
    Pic(E::PickedBottle, "PickedBottle", {14, 48, 55, 125}, Picture::BottleVodka, C::None),
    Pic(E::Banner, "Banner", {284, 412, 176, 37}, Picture::BannerCups, C::None),
    Text(E::Status, "Status", {200, 412, 355, 37}, kStatus, "", kHidden),
    Store(E::StoreCupVodka, "StoreCupVodka", Picture::CupVodka),
    Store(E::StoreCupBrandy, "StoreCupBrandy", Picture::CupBrandy),
    Store(E::StoreCupRakia, "StoreCupRakia", Picture::CupRakia),
    Store(E::StoreCupWine, "StoreCupWine", Picture::CupWine),
    Store(E::StoreCupBeer, "StoreCupBeer", Picture::CupBeer),
    RingFor(E::Ring, {230, 18, 83, 113}),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Cups, "CupsWindow", "Пиян Бонус", 755, 460, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace cups_window

}  // namespace tarvolenka
