#pragma once

// The rules: the game told in pages the player turns, each with a title, pictures from the
// game's own art and a text, which the rules window writes from the game's tables.

#include <array>

#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class RulesEl : std::uint16_t {
  Heading, Body, PreviousPage, PageText, NextPage, CloseButton,
  // The pictures, page by page; only the page shown shows its own.
  LinesVodka1, LinesVodka2, LinesVodka3, LinesSalad, LinesChips,
  MultiplierVodka1, MultiplierX2, MultiplierVodka2, MultiplierX5, MultiplierSalad,
  FreeScatter1, FreeScatter2, FreeScatter3,
  BonusSymbol, BonusHat, BonusDrinks, BonusMeze, BonusGolden,
  DrinksVodka, DrinksBrandy, DrinksRakia, DrinksWine, DrinksBeer, DrinksCup1, DrinksCup2, DrinksCup3,
  MezeCabbage, MezeTomato, MezePotato, MezeTurnip,
  GoldenCover, GoldenFouls2, GoldenFouls3, GoldenFouls4, GoldenCoin, GoldenFoul,
  DoubleVodka, DoubleBeer, DoubleJoker, DoubleCollect,
  LevelBadge, LevelTakeBonus, LevelMegaBonus, LevelBadgeValue, LevelMegaCountdownValue,
  ReturnLines, ReturnLineStake, ReturnTotalStake,
  ReturnLinesValue, ReturnLineStakeValue, ReturnTotalStakeValue,
  Count
};
// clang-format on

enum class RulesClick : std::uint16_t { None, PreviousPage, NextPage, Close };

template <>
struct WindowOf<RulesEl> {
  static constexpr WindowId value = WindowId::Rules;
};

// A page: its title and its pictures (with what is written on them), first to last.
struct RulesPage {
  std::string_view title;
  RulesEl firstPicture;
  RulesEl lastPicture;
};

namespace rules_window {
using namespace build;
using E = RulesEl;
using C = RulesClick;

// clang-format off
inline constexpr std::array<RulesPage, 10> kPages{{
    {"ЛИНИИ И ПЕЧАЛБИ", E::LinesVodka1, E::LinesChips},
    {"УМНОЖИТЕЛИ", E::MultiplierVodka1, E::MultiplierSalad},
    {"БЕЗПЛАТНИ ЗАВЪРТАНИЯ", E::FreeScatter1, E::FreeScatter3},
    {"БОНУС ИГРИ", E::BonusSymbol, E::BonusGolden},
    {"ПИЯН БОНУС", E::DrinksVodka, E::DrinksCup3},
    {"МЕЗЕ БОНУС", E::MezeCabbage, E::MezeTurnip},
    {"ЗЛАТЕН БОНУС", E::GoldenCover, E::GoldenFoul},
    {"ДУБЪЛ И ЖОКЕР", E::DoubleVodka, E::DoubleCollect},
    {"НИВА, БОНУС И МЕГАБОНУС", E::LevelBadge, E::LevelMegaCountdownValue},
    {"ВЪЗВРЪЩАЕМОСТ", E::ReturnLines, E::ReturnTotalStakeValue},
}};
// clang-format on
inline constexpr int kPageCount = static_cast<int>(kPages.size());

inline constexpr TextStyle kHeading = Style(20, true, Rgb{255, 214, 64}, Align::Centre, true);
// As large as the page's text allows: the longest pages shrink to fit.
inline constexpr TextStyle kBody = Style(18, false, colours::kBlack, Align::Left, false);
inline constexpr TextStyle kCounter = Style(16, true, colours::kBlack, Align::Centre, true);
inline constexpr TextStyle kBadgeNumber = Style(32, true, colours::kRed, Align::Centre, true);
inline constexpr TextStyle kCountdown = Style(17, true, colours::kRed, Align::Centre);
inline constexpr TextStyle kPage = Style(12, true, Rgb{92, 50, 20}, Align::Centre, true);

// A picture of the page's strip, drawn at the size given.
template <class E2>
constexpr ElementSpec Art(E2 id, std::string_view name, Rect r, Picture p) {
  return Pic(id, name, r, p, C::None, 0, kTransparent | kStretch | kHidden);
}

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(E::Count)> kElements{{
    Text(E::Heading, "Heading", {20, 10, 760, 36}, kHeading),
    Text(E::Body, "Body", {36, 192, 728, 264}, kBody, {}, kWrap | kShrinkText),
    WoodButton(E::PreviousPage, "PreviousPage", {20, 466, 150, 36}, C::PreviousPage, "◄ НАЗАД"),
    Text(E::PageText, "PageText", {180, 466, 280, 36}, kPage),
    WoodButton(E::NextPage, "NextPage", {630, 466, 150, 36}, C::NextPage, "НАПРЕД ►"),
    WoodButton(E::CloseButton, "CloseButton", {470, 466, 150, 36}, C::Close, "ЗАТВОРИ"),
    // Three vodkas from the left, then a salad and chips.
    Art(E::LinesVodka1, "LinesVodka1", {100, 62, 112, 112}, Picture::SymbolVodka),
    Art(E::LinesVodka2, "LinesVodka2", {222, 62, 112, 112}, Picture::SymbolVodka),
    Art(E::LinesVodka3, "LinesVodka3", {344, 62, 112, 112}, Picture::SymbolVodka),
    Art(E::LinesSalad, "LinesSalad", {466, 62, 112, 112}, Picture::SymbolSalad),
    Art(E::LinesChips, "LinesChips", {588, 62, 112, 112}, Picture::SymbolChips),
    // A vodka, ×2, a vodka and ×5: a run of four vodkas, multiplied by ten.
    Art(E::MultiplierVodka1, "MultiplierVodka1", {100, 62, 112, 112}, Picture::SymbolVodka),
    Art(E::MultiplierX2, "MultiplierX2", {222, 62, 112, 112}, Picture::SymbolX2),
    Art(E::MultiplierVodka2, "MultiplierVodka2", {344, 62, 112, 112}, Picture::SymbolVodka),
    Art(E::MultiplierX5, "MultiplierX5", {466, 62, 112, 112}, Picture::SymbolX5),
    Art(E::MultiplierSalad, "MultiplierSalad", {588, 62, 112, 112}, Picture::SymbolSalad),
    Art(E::FreeScatter1, "FreeScatter1", {222, 62, 112, 112}, Picture::SymbolScatter),
    Art(E::FreeScatter2, "FreeScatter2", {344, 62, 112, 112}, Picture::SymbolScatter),
    Art(E::FreeScatter3, "FreeScatter3", {466, 62, 112, 112}, Picture::SymbolScatter),
    Art(E::BonusSymbol, "BonusSymbol", {85, 62, 112, 112}, Picture::SymbolBonus),
    Art(E::BonusHat, "BonusHat", {209, 78, 140, 80}, Picture::Hat),
    Art(E::BonusDrinks, "BonusDrinks", {361, 56, 94, 124}, Picture::BonusDrinks),
    Art(E::BonusMeze, "BonusMeze", {467, 56, 107, 124}, Picture::BonusMeze),
    Art(E::BonusGolden, "BonusGolden", {586, 56, 129, 124}, Picture::BonusGolden),
    Art(E::DrinksVodka, "DrinksVodka", {98, 56, 55, 125}, Picture::BottleVodka),
    Art(E::DrinksBrandy, "DrinksBrandy", {159, 56, 55, 125}, Picture::BottleBrandy),
    Art(E::DrinksRakia, "DrinksRakia", {220, 56, 55, 125}, Picture::BottleRakia),
    Art(E::DrinksWine, "DrinksWine", {281, 56, 55, 125}, Picture::BottleWine),
    Art(E::DrinksBeer, "DrinksBeer", {342, 56, 55, 125}, Picture::BottleBeer),
    Art(E::DrinksCup1, "DrinksCup1", {437, 62, 83, 113}, Picture::CupVodka),
    Art(E::DrinksCup2, "DrinksCup2", {528, 62, 83, 113}, Picture::CupWine),
    Art(E::DrinksCup3, "DrinksCup3", {619, 62, 83, 113}, Picture::CupBeer),
    // The rows in their order of play, from the bottom row up.
    Art(E::MezeCabbage, "MezeCabbage", {138, 70, 124, 99}, Picture::VegCabbage),
    Art(E::MezeTomato, "MezeTomato", {292, 66, 105, 107}, Picture::VegTomato),
    Art(E::MezePotato, "MezePotato", {427, 78, 118, 83}, Picture::VegPotato),
    Art(E::MezeTurnip, "MezeTurnip", {575, 63, 87, 113}, Picture::VegTurnip),
    // A cover, what the covers hide, then what the board hides.
    Art(E::GoldenCover, "GoldenCover", {101, 74, 88, 88}, Picture::GoldenCover),
    Art(E::GoldenFouls2, "GoldenFouls2", {203, 74, 88, 88}, Picture::Fouls2),
    Art(E::GoldenFouls3, "GoldenFouls3", {305, 74, 88, 88}, Picture::Fouls3),
    Art(E::GoldenFouls4, "GoldenFouls4", {407, 74, 88, 88}, Picture::Fouls4),
    Art(E::GoldenCoin, "GoldenCoin", {509, 74, 88, 88}, Picture::Coin),
    Art(E::GoldenFoul, "GoldenFoul", {611, 74, 88, 88}, Picture::Foul),
    Art(E::DoubleVodka, "DoubleVodka", {107, 80, 136, 77}, Picture::DoubleVodka),
    Art(E::DoubleBeer, "DoubleBeer", {257, 80, 136, 77}, Picture::DoubleBeer),
    Art(E::DoubleJoker, "DoubleJoker", {407, 80, 136, 77}, Picture::DoubleJoker),
    Art(E::DoubleCollect, "DoubleCollect", {557, 80, 136, 77}, Picture::DoubleCollect),
    Art(E::LevelBadge, "LevelBadge", {154, 74, 158, 90}, Picture::LevelBadge),
    Art(E::LevelTakeBonus, "LevelTakeBonus", {338, 84, 172, 69}, Picture::TakeBonus),
    Art(E::LevelMegaBonus, "LevelMegaBonus", {536, 62, 110, 112}, Picture::BonusStage5),
    // The player's level in the badge, and the hour the timed bonus counts down from.
    Text(E::LevelBadgeValue, "LevelBadgeValue", {168, 87, 133, 38}, kBadgeNumber, {}, kHidden),
    Text(E::LevelMegaCountdownValue, "LevelMegaCountdownValue", {544, 65, 97, 31}, kCountdown, "01:00:00", kHidden),
    Art(E::ReturnLines, "ReturnLines", {165, 82, 101, 72}, Picture::PanelLines),
    Art(E::ReturnLineStake, "ReturnLineStake", {286, 82, 140, 72}, Picture::PanelLineStake),
    Art(E::ReturnTotalStake, "ReturnTotalStake", {446, 82, 190, 72}, Picture::PanelTotalStake),
    // The lines and stakes being played, in the panels' windows as on the main window.
    Text(E::ReturnLinesValue, "ReturnLinesValue", {186, 95, 56, 17}, kCounter, {}, kHidden),
    Text(E::ReturnLineStakeValue, "ReturnLineStakeValue", {307, 95, 100, 17}, kCounter, {}, kHidden),
    Text(E::ReturnTotalStakeValue, "ReturnTotalStakeValue", {464, 95, 152, 17}, kCounter, {}, kHidden),
}};
static_assert(IdsInOrder(kElements));

// Every picture and its writing belong to one page, the pages' following each other.
constexpr bool PagesTakeEveryPictureOnce() {
  int next = static_cast<int>(E::LinesVodka1);
  for (const RulesPage& page : kPages) {
    if (static_cast<int>(page.firstPicture) != next || page.lastPicture < page.firstPicture)
      return false;
    next = static_cast<int>(page.lastPicture) + 1;
  }
  return next == static_cast<int>(E::Count);
}
static_assert(PagesTakeEveryPictureOnce());

inline constexpr WindowSpec kWindow{WindowId::Rules, "RulesWindow", "ПРАВИЛА", 800, 520, colours::kWhite,
                                    Border::FixedCloseBox, false, kElements, {}};
// clang-format on
}  // namespace rules_window

}  // namespace tarvolenka
