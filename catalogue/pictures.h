#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tarvolenka {

// Every picture the windows show. Each is a vector drawing assets/pictures/<file>.svg of the
// given size in window pixels.
// clang-format off
enum class Picture : std::uint16_t {
  None,
  // Reel symbols, indexed by SymbolId 1..15.
  SymbolChips, SymbolSausages, SymbolSalad, SymbolKebapche, SymbolSalami,
  SymbolBeer, SymbolWine, SymbolBrandy, SymbolRakia, SymbolVodka,
  SymbolBonus, SymbolScatter, SymbolX2, SymbolX5, SymbolX10,
  // Main window.
  PanelWin, PanelTotalStake, PanelLineStake, PanelLines, PanelBalance,
  ButtonStart, ButtonStartGrey, ButtonDouble, ButtonDoubleGrey, ButtonLegend, ButtonLegendGrey,
  ButtonHistory, ButtonHistoryGrey,
  ArrowPlus, ArrowPlusGrey, ArrowMinus, ArrowMinusGrey,
  SoundOn, SoundOff, AutoPlayOff, AutoPlayOn, SettingsGear,
  BonusStage0, BonusStage1, BonusStage2, BonusStage3, BonusStage4, BonusStage5,
  LevelBadge, TakeBonus, AppIcon,
  // Bonus chooser.
  Hat, BonusDrinks, BonusMeze, BonusGolden, BannerChooseHat,
  // Meze bonus.
  VegCabbage, VegTomato, VegPotato, VegTurnip, BannerMeze,
  // Golden bonus.
  GoldenCover, Fouls2, Fouls3, Fouls4, BannerGoldenPick, Coin, Foul, Ladder, LadderMarker,
  BannerGoldenBoard,
  // Bottles and cups.
  BottleVodka, BottleBrandy, BottleRakia, BottleWine, BottleBeer, BannerBottles,
  CupVodka, CupBrandy, CupRakia, CupWine, CupBeer, CupEmpty,
  CupVodkaEmpty, CupBrandyEmpty, CupRakiaEmpty, CupWineEmpty, CupBeerEmpty, BannerCups,
  // Result, level-up, timed and mega bonus.
  BannerYouWon, ButtonOk, LevelStar, LetteringBonus, LetteringMegaBonusIn, LetteringMaxStake,
  LetteringLevelAward, LetteringBonusBig, ButtonMegaStart, ButtonMegaStop,
  // Double-up.
  DoubleVodka, DoubleBeer, DoubleCollect, DoubleJoker, DoubleJokerSpent, DoubleVodkaSpent,
  DoubleBeerSpent, DoubleCollectSpent, DoubleSlotEmpty, PlateVodka, PlateBeer,
  // The legend: a JPEG rendered at build time from the pay table and the paylines.
  Legend,
  Count
};
// clang-format on

struct PictureSpec {
  Picture id;
  std::string_view file;  // file name without ".svg"
  int width;
  int height;
};

inline constexpr std::array<PictureSpec, static_cast<std::size_t>(Picture::Count)> kPictures{{
    {Picture::None, "", 0, 0},
    {Picture::SymbolChips, "symbol-chips", 125, 125},
    {Picture::SymbolSausages, "symbol-sausages", 125, 125},
    {Picture::SymbolSalad, "symbol-salad", 125, 125},
    {Picture::SymbolKebapche, "symbol-kebapche", 125, 125},
    {Picture::SymbolSalami, "symbol-salami", 125, 125},
    {Picture::SymbolBeer, "symbol-beer", 125, 125},
    {Picture::SymbolWine, "symbol-wine", 125, 125},
    {Picture::SymbolBrandy, "symbol-brandy", 125, 125},
    {Picture::SymbolRakia, "symbol-rakia", 125, 125},
    {Picture::SymbolVodka, "symbol-vodka", 125, 125},
    {Picture::SymbolBonus, "symbol-bonus", 125, 125},
    {Picture::SymbolScatter, "symbol-scatter", 125, 125},
    {Picture::SymbolX2, "symbol-x2", 125, 125},
    {Picture::SymbolX5, "symbol-x5", 125, 125},
    {Picture::SymbolX10, "symbol-x10", 125, 125},
    {Picture::PanelWin, "panel-pechalba", 146, 55},
    {Picture::PanelTotalStake, "panel-total-kanal", 146, 55},
    {Picture::PanelLineStake, "panel-kanal", 108, 55},
    {Picture::PanelLines, "panel-linii", 78, 55},
    {Picture::PanelBalance, "panel-balans", 170, 55},
    {Picture::ButtonStart, "button-start", 108, 66},
    {Picture::ButtonStartGrey, "button-start-grey", 108, 66},
    {Picture::ButtonDouble, "button-double", 108, 66},
    {Picture::ButtonDoubleGrey, "button-double-grey", 108, 66},
    {Picture::ButtonLegend, "button-tablica", 104, 49},
    {Picture::ButtonLegendGrey, "button-tablica-grey", 104, 49},
    {Picture::ButtonHistory, "button-istoriya", 104, 49},
    {Picture::ButtonHistoryGrey, "button-istoriya-grey", 104, 49},
    {Picture::ArrowPlus, "arrow-plus", 20, 20},
    {Picture::ArrowPlusGrey, "arrow-plus-grey", 20, 20},
    {Picture::ArrowMinus, "arrow-minus", 20, 20},
    {Picture::ArrowMinusGrey, "arrow-minus-grey", 20, 20},
    {Picture::SoundOn, "sound-on", 30, 30},
    {Picture::SoundOff, "sound-off", 30, 30},
    {Picture::AutoPlayOff, "klechka-off", 108, 25},
    {Picture::AutoPlayOn, "klechka-on", 108, 25},
    {Picture::SettingsGear, "nastroyki", 30, 30},
    {Picture::BonusStage0, "bonus-stage-0", 110, 112},
    {Picture::BonusStage1, "bonus-stage-1", 110, 112},
    {Picture::BonusStage2, "bonus-stage-2", 110, 112},
    {Picture::BonusStage3, "bonus-stage-3", 110, 112},
    {Picture::BonusStage4, "bonus-stage-4", 110, 112},
    {Picture::BonusStage5, "bonus-stage-5", 110, 112},
    {Picture::LevelBadge, "level-badge", 113, 64},
    {Picture::TakeBonus, "vzemi-bonus", 102, 42},
    {Picture::AppIcon, "app-icon", 256, 256},
    {Picture::Hat, "hat", 186, 106},
    {Picture::BonusDrinks, "bonus-pian", 125, 165},
    {Picture::BonusMeze, "bonus-meze", 135, 156},
    {Picture::BonusGolden, "bonus-zlaten", 168, 162},
    {Picture::BannerChooseHat, "banner-choose-hat", 277, 24},
    {Picture::VegCabbage, "veg-zele", 95, 76},
    {Picture::VegTomato, "veg-domat", 81, 82},
    {Picture::VegPotato, "veg-kartof", 91, 64},
    {Picture::VegTurnip, "veg-riapa", 67, 87},
    {Picture::BannerMeze, "banner-meze", 320, 37},
    {Picture::GoldenCover, "golden-cover", 80, 80},
    {Picture::Fouls2, "fouls-2", 80, 80},
    {Picture::Fouls3, "fouls-3", 80, 80},
    {Picture::Fouls4, "fouls-4", 80, 80},
    {Picture::BannerGoldenPick, "banner-golden-pick", 257, 43},
    {Picture::Coin, "coin", 80, 80},
    {Picture::Foul, "foul", 80, 80},
    {Picture::Ladder, "ladder", 85, 255},
    {Picture::LadderMarker, "ladder-marker", 85, 33},
    {Picture::BannerGoldenBoard, "banner-golden-board", 256, 41},
    {Picture::BottleVodka, "bottle-vodka", 55, 125},
    {Picture::BottleBrandy, "bottle-koniak", 55, 125},
    {Picture::BottleRakia, "bottle-rakia", 55, 125},
    {Picture::BottleWine, "bottle-vino", 55, 125},
    {Picture::BottleBeer, "bottle-bira", 55, 125},
    {Picture::BannerBottles, "banner-bottles", 170, 22},
    {Picture::CupVodka, "cup-vodka", 83, 113},
    {Picture::CupBrandy, "cup-koniak", 83, 113},
    {Picture::CupRakia, "cup-rakia", 83, 113},
    {Picture::CupWine, "cup-vino", 83, 113},
    {Picture::CupBeer, "cup-bira", 83, 113},
    {Picture::CupEmpty, "cup-empty", 83, 113},
    {Picture::CupVodkaEmpty, "cup-vodka-empty", 83, 113},
    {Picture::CupBrandyEmpty, "cup-koniak-empty", 83, 113},
    {Picture::CupRakiaEmpty, "cup-rakia-empty", 83, 113},
    {Picture::CupWineEmpty, "cup-vino-empty", 83, 113},
    {Picture::CupBeerEmpty, "cup-bira-empty", 83, 113},
    {Picture::BannerCups, "banner-cups", 176, 37},
    {Picture::BannerYouWon, "banner-you-won", 308, 31},
    {Picture::ButtonOk, "button-ok", 128, 29},
    {Picture::LevelStar, "level-star", 236, 168},
    {Picture::LetteringBonus, "lettering-bonus", 88, 18},
    {Picture::LetteringMegaBonusIn, "lettering-mega-bonus-do", 203, 18},
    {Picture::LetteringMaxStake, "lettering-max-kanal", 214, 18},
    {Picture::LetteringLevelAward, "lettering-level-award", 157, 23},
    {Picture::LetteringBonusBig, "lettering-bonus-big", 170, 34},
    {Picture::ButtonMegaStart, "button-mega-start", 128, 29},
    {Picture::ButtonMegaStop, "button-mega-stop", 128, 29},
    {Picture::DoubleVodka, "double-vodka", 113, 64},
    {Picture::DoubleBeer, "double-bira", 113, 64},
    {Picture::DoubleCollect, "double-collect", 113, 64},
    {Picture::DoubleJoker, "double-joker", 113, 64},
    {Picture::DoubleJokerSpent, "double-joker-spent", 113, 64},
    {Picture::DoubleVodkaSpent, "double-vodka-spent", 113, 64},
    {Picture::DoubleBeerSpent, "double-bira-spent", 113, 64},
    {Picture::DoubleCollectSpent, "double-collect-spent", 113, 64},
    {Picture::DoubleSlotEmpty, "double-slot-empty", 80, 27},
    {Picture::PlateVodka, "plate-vodka", 80, 27},
    {Picture::PlateBeer, "plate-bira", 80, 27},
    {Picture::Legend, "legend", 941, 595},
}};

constexpr const PictureSpec& SpecOf(Picture p) {
  return kPictures[static_cast<std::size_t>(p)];
}

constexpr bool PicturesInOrder() {
  for (std::size_t i = 0; i < kPictures.size(); ++i)
    if (static_cast<std::size_t>(kPictures[i].id) != i) return false;
  return true;
}
static_assert(PicturesInOrder(), "kPictures must list the pictures in enum order");

}  // namespace tarvolenka
