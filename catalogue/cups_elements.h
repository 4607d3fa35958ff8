#pragma once

// The cups bonus: fifteen cups hide five prizes three times each.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class CupsEl : std::uint16_t {
  // The cups, a pyramid of 3, 5 and 7 from the top.
  Chasha1, Chasha2, Chasha3, Chasha4, Chasha5, Chasha6, Chasha7, Chasha8,
  Chasha9, Chasha10, Chasha11, Chasha12, Chasha13, Chasha14, Chasha15,
  // The prize on each cup.
  Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8,
  Label9, Label10, Label11, Label12, Label13, Label14, Label15,
  // The multiplier and the picked bottle, and the lettering.
  Label16, Image2, Image1,
  // Hidden picture stores: the cup of each drink.
  ChashaVodka, ChashaKoniak, ChashaRakia, ChashaVino, ChashaBira,
  Count
};
// clang-format on

// The fifteen cups are one family, bound to their number 1..15.
enum class CupsClick : std::uint16_t { None, ChashaClick };

template <>
struct WindowOf<CupsEl> {
  static constexpr WindowId value = WindowId::Cups;
};

inline constexpr int kCups = 15;

// Cup i (1..15), its prize label, and the cup picture of drink d (1..5, as the bottles).
constexpr CupsEl Cup(int i) {
  return Nth(CupsEl::Chasha1, i - 1);
}
constexpr CupsEl CupLabel(int i) {
  return Nth(CupsEl::Label1, i - 1);
}
constexpr CupsEl CupOfDrink(int d) {
  return Nth(CupsEl::ChashaVodka, d - 1);
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

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(CupsEl::Count)> kElements{{
    Pic(E::Chasha1, "Chasha1", {230, 18, 83, 113}, Picture::CupVodka, C::ChashaClick, 1),
    Pic(E::Chasha2, "Chasha2", {332, 18, 83, 113}, Picture::CupVodka, C::ChashaClick, 2),
    Pic(E::Chasha3, "Chasha3", {432, 20, 83, 113}, Picture::CupVodka, C::ChashaClick, 3),
    Pic(E::Chasha4, "Chasha4", {128, 152, 83, 113}, Picture::CupVodka, C::ChashaClick, 4),
    Pic(E::Chasha5, "Chasha5", {230, 152, 83, 113}, Picture::CupVodka, C::ChashaClick, 5),
    Pic(E::Chasha6, "Chasha6", {326, 152, 83, 113}, Picture::CupVodka, C::ChashaClick, 6),
    Pic(E::Chasha7, "Chasha7", {428, 152, 83, 113}, Picture::CupVodka, C::ChashaClick, 7),
    Pic(E::Chasha8, "Chasha8", {528, 152, 83, 113}, Picture::CupVodka, C::ChashaClick, 8),
    Pic(E::Chasha9, "Chasha9", {28, 284, 83, 113}, Picture::CupVodka, C::ChashaClick, 9),
    Pic(E::Chasha10, "Chasha10", {130, 284, 83, 113}, Picture::CupVodka, C::ChashaClick, 10),
    Pic(E::Chasha11, "Chasha11", {230, 284, 83, 113}, Picture::CupVodka, C::ChashaClick, 11),
    Pic(E::Chasha12, "Chasha12", {328, 284, 83, 113}, Picture::CupVodka, C::ChashaClick, 12),
    Pic(E::Chasha13, "Chasha13", {424, 284, 83, 113}, Picture::CupVodka, C::ChashaClick, 13),
    Pic(E::Chasha14, "Chasha14", {526, 284, 83, 113}, Picture::CupVodka, C::ChashaClick, 14),
    Pic(E::Chasha15, "Chasha15", {626, 284, 83, 113}, Picture::CupVodka, C::ChashaClick, 15),
    Text(E::Label1, "Label1", {241, 64, 60, 32}, kPrize, "150", kHidden),
    Text(E::Label2, "Label2", {343, 64, 60, 32}, kPrize, "150", kHidden),
    Text(E::Label3, "Label3", {443, 66, 60, 32}, kPrize, "150", kHidden),
    Text(E::Label4, "Label4", {139, 200, 60, 32}, kPrize, "150", kHidden),
    Text(E::Label5, "Label5", {241, 200, 60, 32}, kPrize, "150", kHidden),
    Text(E::Label6, "Label6", {337, 200, 60, 32}, kPrize, "150", kHidden),
    Text(E::Label7, "Label7", {441, 198, 60, 32}, kPrize, "150", kHidden),
    Text(E::Label8, "Label8", {541, 200, 60, 32}, kPrize, "150", kHidden),
    Text(E::Label9, "Label9", {41, 332, 60, 32}, kPrize, "150", kHidden),
    Text(E::Label10, "Label10", {143, 330, 60, 32}, kPrize, "150", kHidden),
    Text(E::Label11, "Label11", {241, 330, 60, 32}, kPrize, "150", kHidden),
    Text(E::Label12, "Label12", {341, 330, 60, 32}, kPrize, "150", kHidden),
    Text(E::Label13, "Label13", {435, 330, 60, 32}, kPrize, "150", kHidden),
    Text(E::Label14, "Label14", {537, 328, 60, 32}, kPrize, "150", kHidden),
    Text(E::Label15, "Label15", {639, 330, 60, 32}, kPrize, "150", kHidden),
    Text(E::Label16, "Label16", {20, 10, 48, 37}, kMultiplier, "X1"),
    Pic(E::Image2, "Image2", {14, 48, 55, 125}, Picture::BottleVodka, C::None),
    Pic(E::Image1, "Image1", {284, 412, 176, 37}, Picture::BannerCups, C::None),
    Store(E::ChashaVodka, "ChashaVodka", Picture::CupVodka),
    Store(E::ChashaKoniak, "ChashaKoniak", Picture::CupKoniak),
    Store(E::ChashaRakia, "ChashaRakia", Picture::CupRakia),
    Store(E::ChashaVino, "ChashaVino", Picture::CupVino),
    Store(E::ChashaBira, "ChashaBira", Picture::CupBira),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Cups, "TForm4", "Бонус", 755, 460, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace cups_window

}  // namespace tarvolenka
