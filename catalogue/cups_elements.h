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
  // The tally: each prize level, highest first, and how many of its three cups are open.
  TallyPrize1, TallyPrize2, TallyPrize3, TallyPrize4, TallyPrize5,
  TallyHits1, TallyHits2, TallyHits3, TallyHits4, TallyHits5,
  // Hidden picture stores: the cup of each drink, and a cup drunk.
  StoreCupVodka, StoreCupBrandy, StoreCupRakia, StoreCupWine, StoreCupBeer, StoreCupEmpty,
  StoreEmptyVodka, StoreEmptyBrandy, StoreEmptyRakia, StoreEmptyWine, StoreEmptyBeer,
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
// Row r (1..5) of the tally, the highest level first.
constexpr CupsEl TallyPrize(int r) {
  return Nth(CupsEl::TallyPrize1, r - 1);
}
constexpr CupsEl TallyHits(int r) {
  return Nth(CupsEl::TallyHits1, r - 1);
}
constexpr CupsEl CupOfDrink(int d) {
  return Nth(CupsEl::StoreCupVodka, d - 1);
}
// The same cup drunk: its glass, empty.
constexpr CupsEl EmptyCupOfDrink(int d) {
  return Nth(CupsEl::StoreEmptyVodka, d - 1);
}

namespace cups_window {
using namespace build;
using E = CupsEl;
using C = CupsClick;

// 13 px at design; the game sets 10 points, and 20 for an opened cup. The labels hang under
// their cups, clear of the glass and of the ring around it, and keep the room of their largest
// text, as the desktop does not size labels to their text.
inline constexpr TextStyle kPrize =
    Opaque(Style(13, true, colours::kRed, Align::Centre, true), colours::kYellow);
// The tag of each of the three cups that won, once the game is over.
inline constexpr Rgb kPrizeWon{170, 240, 120};
// The multiplier is a plate by the picked bottle, named by its caption.
inline constexpr TextStyle kMultiplier =
    Opaque(Style(36, true, colours::kRed, Align::Centre, true), colours::kYellow);

inline constexpr TextStyle kStatus = Style(14, true, colours::kMaroon, Align::Centre, true);
// The tally fills the corner the pyramid leaves: a plate per level and a dot per cup found.
inline constexpr TextStyle kTallyPrize =
    Opaque(Style(14, true, colours::kRed, Align::Centre, true), colours::kYellow);
inline constexpr TextStyle kTallyHits = Style(17, true, colours::kMaroon, Align::Left, true);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(CupsEl::Count)> kElements{{
    Pic(E::Cup1, "Cup1", {245, 18, 65, 88}, Picture::CupVodka, C::PickCup, 1, kStretch | kTransparent),
    Pic(E::Cup2, "Cup2", {345, 18, 65, 88}, Picture::CupVodka, C::PickCup, 2, kStretch | kTransparent),
    Pic(E::Cup3, "Cup3", {445, 18, 65, 88}, Picture::CupVodka, C::PickCup, 3, kStretch | kTransparent),
    Pic(E::Cup4, "Cup4", {145, 148, 65, 88}, Picture::CupVodka, C::PickCup, 4, kStretch | kTransparent),
    Pic(E::Cup5, "Cup5", {245, 148, 65, 88}, Picture::CupVodka, C::PickCup, 5, kStretch | kTransparent),
    Pic(E::Cup6, "Cup6", {345, 148, 65, 88}, Picture::CupVodka, C::PickCup, 6, kStretch | kTransparent),
    Pic(E::Cup7, "Cup7", {445, 148, 65, 88}, Picture::CupVodka, C::PickCup, 7, kStretch | kTransparent),
    Pic(E::Cup8, "Cup8", {545, 148, 65, 88}, Picture::CupVodka, C::PickCup, 8, kStretch | kTransparent),
    Pic(E::Cup9, "Cup9", {45, 278, 65, 88}, Picture::CupVodka, C::PickCup, 9, kStretch | kTransparent),
    Pic(E::Cup10, "Cup10", {145, 278, 65, 88}, Picture::CupVodka, C::PickCup, 10, kStretch | kTransparent),
    Pic(E::Cup11, "Cup11", {245, 278, 65, 88}, Picture::CupVodka, C::PickCup, 11, kStretch | kTransparent),
    Pic(E::Cup12, "Cup12", {345, 278, 65, 88}, Picture::CupVodka, C::PickCup, 12, kStretch | kTransparent),
    Pic(E::Cup13, "Cup13", {445, 278, 65, 88}, Picture::CupVodka, C::PickCup, 13, kStretch | kTransparent),
    Pic(E::Cup14, "Cup14", {545, 278, 65, 88}, Picture::CupVodka, C::PickCup, 14, kStretch | kTransparent),
    Pic(E::Cup15, "Cup15", {645, 278, 65, 88}, Picture::CupVodka, C::PickCup, 15, kStretch | kTransparent),
    Text(E::CupPrize1, "CupPrize1", {235, 115, 84, 28}, kPrize, "150", kHidden),
    Text(E::CupPrize2, "CupPrize2", {335, 115, 84, 28}, kPrize, "150", kHidden),
    Text(E::CupPrize3, "CupPrize3", {435, 115, 84, 28}, kPrize, "150", kHidden),
    Text(E::CupPrize4, "CupPrize4", {135, 245, 84, 28}, kPrize, "150", kHidden),
    Text(E::CupPrize5, "CupPrize5", {235, 245, 84, 28}, kPrize, "150", kHidden),
    Text(E::CupPrize6, "CupPrize6", {335, 245, 84, 28}, kPrize, "150", kHidden),
    Text(E::CupPrize7, "CupPrize7", {435, 245, 84, 28}, kPrize, "150", kHidden),
    Text(E::CupPrize8, "CupPrize8", {535, 245, 84, 28}, kPrize, "150", kHidden),
    Text(E::CupPrize9, "CupPrize9", {35, 375, 84, 28}, kPrize, "150", kHidden),
    Text(E::CupPrize10, "CupPrize10", {135, 375, 84, 28}, kPrize, "150", kHidden),
    Text(E::CupPrize11, "CupPrize11", {235, 375, 84, 28}, kPrize, "150", kHidden),
    Text(E::CupPrize12, "CupPrize12", {335, 375, 84, 28}, kPrize, "150", kHidden),
    Text(E::CupPrize13, "CupPrize13", {435, 375, 84, 28}, kPrize, "150", kHidden),
    Text(E::CupPrize14, "CupPrize14", {535, 375, 84, 28}, kPrize, "150", kHidden),
    Text(E::CupPrize15, "CupPrize15", {635, 375, 84, 28}, kPrize, "150", kHidden),
    Text(E::Multiplier, "Multiplier", {92, 52, 92, 52}, kMultiplier, "×1"),
    Pic(E::PickedBottle, "PickedBottle", {24, 14, 55, 125}, Picture::BottleVodka, C::None),
    Pic(E::Banner, "Banner", {289, 412, 176, 37}, Picture::BannerCups, C::None),
    Text(E::Status, "Status", {200, 412, 355, 37}, kStatus, "", kHidden),
    Text(E::TallyPrize1, "TallyPrize1", {606, 36, 62, 20}, kTallyPrize, "450"),
    Text(E::TallyPrize2, "TallyPrize2", {606, 58, 62, 20}, kTallyPrize, "150"),
    Text(E::TallyPrize3, "TallyPrize3", {606, 80, 62, 20}, kTallyPrize, "60"),
    Text(E::TallyPrize4, "TallyPrize4", {606, 102, 62, 20}, kTallyPrize, "30"),
    Text(E::TallyPrize5, "TallyPrize5", {606, 124, 62, 20}, kTallyPrize, "15"),
    Text(E::TallyHits1, "TallyHits1", {674, 36, 66, 20}, kTallyHits, "○ ○ ○"),
    Text(E::TallyHits2, "TallyHits2", {674, 58, 66, 20}, kTallyHits, "○ ○ ○"),
    Text(E::TallyHits3, "TallyHits3", {674, 80, 66, 20}, kTallyHits, "○ ○ ○"),
    Text(E::TallyHits4, "TallyHits4", {674, 102, 66, 20}, kTallyHits, "○ ○ ○"),
    Text(E::TallyHits5, "TallyHits5", {674, 124, 66, 20}, kTallyHits, "○ ○ ○"),
    Store(E::StoreCupVodka, "StoreCupVodka", Picture::CupVodka),
    Store(E::StoreCupBrandy, "StoreCupBrandy", Picture::CupBrandy),
    Store(E::StoreCupRakia, "StoreCupRakia", Picture::CupRakia),
    Store(E::StoreCupWine, "StoreCupWine", Picture::CupWine),
    Store(E::StoreCupBeer, "StoreCupBeer", Picture::CupBeer),
    Store(E::StoreCupEmpty, "StoreCupEmpty", Picture::CupEmpty),
    Store(E::StoreEmptyVodka, "StoreEmptyVodka", Picture::CupVodkaEmpty),
    Store(E::StoreEmptyBrandy, "StoreEmptyBrandy", Picture::CupBrandyEmpty),
    Store(E::StoreEmptyRakia, "StoreEmptyRakia", Picture::CupRakiaEmpty),
    Store(E::StoreEmptyWine, "StoreEmptyWine", Picture::CupWineEmpty),
    Store(E::StoreEmptyBeer, "StoreEmptyBeer", Picture::CupBeerEmpty),
    RingFor(E::Ring, {245, 18, 65, 88}),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Cups, "CupsWindow", "Пиян Бонус", 755, 460, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace cups_window

}  // namespace tarvolenka
