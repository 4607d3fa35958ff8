#pragma once

// The main window: the machine's cabinet.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class MainEl : std::uint16_t {
  // Visible elements, in stacking order (a later one covers an earlier one).
  WinPanel, TotalStakePanel, LineStakePanel, LinesPanel, BalancePanel,
  StartButton, DoubleButton, LegendButton,
  LinesPlus, LinesMinus, StakePlus, StakeMinus,
  WinCounter, CreditCounter, LinesCounter, LineStakeCounter, TotalStakeCounter,
  ReelArea, FreeSpinsCounter, BonusStage, LevelBadge, LevelNumber, ExperienceGauge, ExperienceText, TimedBonusCountdown,
  TakeBonusButton, SoundSwitch, AutoPlayBox, SaveNotice, HistoryButton, SettingsButton, AutoPlaySpinsLeft, WinLineCaption,
  FreeRoundPlate,
  // Hidden picture stores.
  StoreChips, StoreSausages, StoreSalad, StoreKebapche, StoreSalami, StoreBeer, StoreWine, StoreBrandy, StoreRakia, StoreVodka,
  StoreBonus, StoreScatter, StoreX2, StoreX5, StoreX10,
  ReelCell10, ReelCell11, ReelCell12, ReelCell13, ReelCell20, ReelCell21, ReelCell22, ReelCell23,
  ReelCell30, ReelCell31, ReelCell32, ReelCell33, ReelCell40, ReelCell41, ReelCell42, ReelCell43,
  ReelCell50, ReelCell51, ReelCell52, ReelCell53,
  StoreStart, StoreStartGrey, StoreDouble, StoreDoubleGrey, StoreLegend, StoreLegendGrey, StorePlus, StorePlusGrey, StoreMinus, StoreMinusGrey,
  StoreSoundOn, StoreSoundOff, StoreAutoPlayOff, StoreAutoPlayOn,
  StoreBonusStage0, StoreBonusStage1, StoreBonusStage2, StoreBonusStage3, StoreBonusStage4, StoreBonusStage5,
  StoreHistory, StoreHistoryGrey,
  // What F1 and S click: the rules and the statistics have no button on the main window, so
  // each key has a faceless element of its own.
  RulesKey, StatisticsKey,
  Count
};
// clang-format on

enum class MainClick : std::uint16_t {
  None,
  OpenDoubleUp,
  Start,
  OpenLegend,
  LinesUp,
  LinesDown,
  StakeUp,
  StakeDown,
  TakeTimedBonus,
  ToggleSound,
  ToggleAutoPlay,
  OpenHistory,
  OpenSettings,
  OpenRules,
  OpenStatistics,
};

enum class MainTimer : std::uint8_t { Spin, IdleRepaint, FreeSpin, Countdown, AutoPlay, Count };

template <>
struct WindowOf<MainEl> {
  static constexpr WindowId value = WindowId::Main;
};
template <>
struct WindowOf<MainTimer> {
  static constexpr WindowId value = WindowId::Main;
};

// Symbol picture k (1..15) and the cell buffer of reel c (1..5), row r (0..3).
constexpr MainEl SymbolPicture(int k) {
  return Nth(MainEl::StoreChips, k - 1);
}
constexpr MainEl ReelCell(int reel, int row) {
  return Nth(MainEl::ReelCell10, (reel - 1) * 4 + row);
}
constexpr MainEl BonusStagePicture(int stage) {
  return Nth(MainEl::StoreBonusStage0, stage);
}

namespace main_window {
using namespace build;
using E = MainEl;
using C = MainClick;

inline constexpr TextStyle kCounter = Style(13, true, colours::kBlack, Align::Centre);
inline constexpr TextStyle kBig = Style(24, true, colours::kRed, Align::Centre, true);
inline constexpr TextStyle kCountdown = Style(17, true, colours::kRed, Align::Centre);
// The notice of a failed save: dark red on cream, over the strip between gauge and reels, and
// over the reels' top when its reason takes more than a line.
inline constexpr TextStyle kSaveNotice =
    Opaque(Style(11, true, Rgb{150, 0, 0}, Align::Centre, true), Rgb{255, 244, 200});
inline constexpr TextStyle kFreeSpins =
    Opaque(Style(24, true, colours::kRed, Align::Centre, true), colours::kYellow);
inline constexpr TextStyle kWinLine = Style(17, true, colours::kWhite, Align::Centre, true);
inline constexpr Rgb kWinLinePlate{92, 50, 20};  // dark wood, as the caption tags
inline constexpr TextStyle kFreeRound = Style(17, true, colours::kYellow, Align::Centre, true);
inline constexpr Rgb kFreeRoundPlate{112, 14, 18};  // the free spins' dark red
inline constexpr TextStyle kSpinsLeft = Style(13, true, colours::kBlack, Align::Centre, true);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(MainEl::Count)> kElements{{
    Pic(E::WinPanel, "WinPanel", {572, 489, 146, 55}, Picture::PanelWin, C::OpenDoubleUp),
    Pic(E::TotalStakePanel, "TotalStakePanel", {416, 489, 146, 55}, Picture::PanelTotalStake, C::OpenDoubleUp),
    Pic(E::LineStakePanel, "LineStakePanel", {304, 489, 108, 55}, Picture::PanelLineStake, C::OpenDoubleUp),
    Pic(E::LinesPanel, "LinesPanel", {222, 489, 78, 55}, Picture::PanelLines, C::OpenDoubleUp),
    Pic(E::BalancePanel, "BalancePanel", {50, 489, 170, 55}, Picture::PanelBalance, C::OpenDoubleUp),
    Pic(E::StartButton, "StartButton", {600, 573, 108, 66}, Picture::ButtonStart, C::Start),
    Pic(E::DoubleButton, "DoubleButton", {434, 575, 108, 66}, Picture::ButtonDouble, C::OpenDoubleUp),
    Pic(E::LegendButton, "LegendButton", {205, 587, 104, 49}, Picture::ButtonLegend, C::OpenLegend),
    Pic(E::LinesPlus, "LinesPlus", {266, 547, 20, 20}, Picture::ArrowPlus, C::LinesUp),
    Pic(E::LinesMinus, "LinesMinus", {234, 547, 20, 20}, Picture::ArrowMinus, C::LinesDown),
    Pic(E::StakePlus, "StakePlus", {364, 547, 20, 20}, Picture::ArrowPlus, C::StakeUp),
    Pic(E::StakeMinus, "StakeMinus", {334, 547, 20, 20}, Picture::ArrowMinus, C::StakeDown),
    Text(E::WinCounter, "WinCounter", {586, 499, 117, 13}, kCounter),
    Text(E::CreditCounter, "CreditCounter", {62, 499, 150, 13}, kCounter),
    Text(E::LinesCounter, "LinesCounter", {238, 499, 43, 13}, kCounter),
    Text(E::LineStakeCounter, "LineStakeCounter", {320, 499, 77, 13}, kCounter),
    Text(E::TotalStakeCounter, "TotalStakeCounter", {430, 499, 117, 13}, kCounter),
    PaintBoxOf(E::ReelArea, "ReelArea", {73, 86, 625, 375}, colours::kSkyBlue),
    Text(E::FreeSpinsCounter, "FreeSpinsCounter", {626, 35, 68, 33}, kFreeSpins, {}, kHidden),
    Pic(E::BonusStage, "BonusStage", {82, 551, 110, 112}, Picture::BonusStage0, C::OpenDoubleUp),
    Pic(E::LevelBadge, "LevelBadge", {10, 9, 113, 64}, Picture::LevelBadge, C::OpenDoubleUp),
    Text(E::LevelNumber, "LevelNumber", {20, 18, 95, 27}, kBig),
    GaugeOf(E::ExperienceGauge, "ExperienceGauge", {172, 20, 429, 41}, colours::kNavy, colours::kYellow),
    Text(E::ExperienceText, "ExperienceText", {178, 28, 417, 27}, kBig),
    Text(E::TimedBonusCountdown, "TimedBonusCountdown", {90, 554, 97, 31}, kCountdown, "00:00:00"),
    Pic(E::TakeBonusButton, "TakeBonusButton", {86, 552, 102, 42}, Picture::TakeBonus, C::TakeTimedBonus, 0, kTransparent | kStretch | kHidden),
    Pic(E::SoundSwitch, "SoundSwitch", {730, 9, 30, 30}, Picture::SoundOn, C::ToggleSound),
    Pic(E::AutoPlayBox, "AutoPlayBox", {600, 545, 108, 25}, Picture::AutoPlayOff, C::ToggleAutoPlay),
    Text(E::SaveNotice, "SaveNotice", {130, 63, 480, 21}, kSaveNotice, {}, kHidden | kFitText),
    Pic(E::HistoryButton, "HistoryButton", {318, 587, 104, 49}, Picture::ButtonHistory, C::OpenHistory),
    Pic(E::SettingsButton, "SettingsButton", {730, 45, 30, 30}, Picture::SettingsGear, C::OpenSettings),
    Text(E::AutoPlaySpinsLeft, "AutoPlaySpinsLeft", {710, 545, 56, 25}, kSpinsLeft, {}, kHidden),
    [] {  // under the reels, so it never covers a winning cell
      ElementSpec e = PanelOf(E::WinLineCaption, "WinLineCaption", {163, 461, 445, 27}, kWinLine, kWinLinePlate);
      e.flags = kHidden;
      return e;
    }(),
    [] {  // over the level gauge while a round of free spins lasts
      ElementSpec e = PanelOf(E::FreeRoundPlate, "FreeRoundPlate", {172, 18, 429, 45}, kFreeRound, kFreeRoundPlate);
      e.flags = kHidden | kFitText;
      return e;
    }(),
    Store(E::StoreChips, "StoreChips", Picture::SymbolChips),
    Store(E::StoreSausages, "StoreSausages", Picture::SymbolSausages),
    Store(E::StoreSalad, "StoreSalad", Picture::SymbolSalad),
    Store(E::StoreKebapche, "StoreKebapche", Picture::SymbolKebapche),
    Store(E::StoreSalami, "StoreSalami", Picture::SymbolSalami),
    Store(E::StoreBeer, "StoreBeer", Picture::SymbolBeer),
    Store(E::StoreWine, "StoreWine", Picture::SymbolWine),
    Store(E::StoreBrandy, "StoreBrandy", Picture::SymbolBrandy),
    Store(E::StoreRakia, "StoreRakia", Picture::SymbolRakia),
    Store(E::StoreVodka, "StoreVodka", Picture::SymbolVodka),
    Store(E::StoreBonus, "StoreBonus", Picture::SymbolBonus),
    Store(E::StoreScatter, "StoreScatter", Picture::SymbolScatter),
    Store(E::StoreX2, "StoreX2", Picture::SymbolX2),
    Store(E::StoreX5, "StoreX5", Picture::SymbolX5),
    Store(E::StoreX10, "StoreX10", Picture::SymbolX10),
    Cell(E::ReelCell10, "ReelCell10"), Cell(E::ReelCell11, "ReelCell11"), Cell(E::ReelCell12, "ReelCell12"), Cell(E::ReelCell13, "ReelCell13"),
    Cell(E::ReelCell20, "ReelCell20"), Cell(E::ReelCell21, "ReelCell21"), Cell(E::ReelCell22, "ReelCell22"), Cell(E::ReelCell23, "ReelCell23"),
    Cell(E::ReelCell30, "ReelCell30"), Cell(E::ReelCell31, "ReelCell31"), Cell(E::ReelCell32, "ReelCell32"), Cell(E::ReelCell33, "ReelCell33"),
    Cell(E::ReelCell40, "ReelCell40"), Cell(E::ReelCell41, "ReelCell41"), Cell(E::ReelCell42, "ReelCell42"), Cell(E::ReelCell43, "ReelCell43"),
    Cell(E::ReelCell50, "ReelCell50"), Cell(E::ReelCell51, "ReelCell51"), Cell(E::ReelCell52, "ReelCell52"), Cell(E::ReelCell53, "ReelCell53"),
    Store(E::StoreStart, "StoreStart", Picture::ButtonStart),
    Store(E::StoreStartGrey, "StoreStartGrey", Picture::ButtonStartGrey),
    Store(E::StoreDouble, "StoreDouble", Picture::ButtonDouble),
    Store(E::StoreDoubleGrey, "StoreDoubleGrey", Picture::ButtonDoubleGrey),
    Store(E::StoreLegend, "StoreLegend", Picture::ButtonLegend),
    Store(E::StoreLegendGrey, "StoreLegendGrey", Picture::ButtonLegendGrey),
    Store(E::StorePlus, "StorePlus", Picture::ArrowPlus),
    Store(E::StorePlusGrey, "StorePlusGrey", Picture::ArrowPlusGrey),
    Store(E::StoreMinus, "StoreMinus", Picture::ArrowMinus),
    Store(E::StoreMinusGrey, "StoreMinusGrey", Picture::ArrowMinusGrey),
    Store(E::StoreSoundOn, "StoreSoundOn", Picture::SoundOn),
    Store(E::StoreSoundOff, "StoreSoundOff", Picture::SoundOff),
    Store(E::StoreAutoPlayOff, "StoreAutoPlayOff", Picture::AutoPlayOff),
    Store(E::StoreAutoPlayOn, "StoreAutoPlayOn", Picture::AutoPlayOn),
    Store(E::StoreBonusStage0, "StoreBonusStage0", Picture::BonusStage0),
    Store(E::StoreBonusStage1, "StoreBonusStage1", Picture::BonusStage1),
    Store(E::StoreBonusStage2, "StoreBonusStage2", Picture::BonusStage2),
    Store(E::StoreBonusStage3, "StoreBonusStage3", Picture::BonusStage3),
    Store(E::StoreBonusStage4, "StoreBonusStage4", Picture::BonusStage4),
    Store(E::StoreBonusStage5, "StoreBonusStage5", Picture::BonusStage5),
    Store(E::StoreHistory, "StoreHistory", Picture::ButtonHistory),
    Store(E::StoreHistoryGrey, "StoreHistoryGrey", Picture::ButtonHistoryGrey),
    KeyOnly(E::RulesKey, "RulesKey", C::OpenRules),
    KeyOnly(E::StatisticsKey, "StatisticsKey", C::OpenStatistics),
}};
static_assert(IdsInOrder(kElements), "main window elements must be listed in enum order");
// clang-format on

inline constexpr std::array<TimerSpec, 5> kTimers{{
    {0, "spinTimer", durations::kSpinTickStart, false},
    {1, "idleRepaintTimer", durations::kIdleRepaint, true},
    {2, "freeSpinTimer", durations::kFreeSpinPause, false},
    {3, "countdownTimer", durations::kCountdownTick, true},
    {4, "autoPlayTimer", durations::kAutoPlayPause, false},
}};

// clang-format off
inline constexpr WindowSpec kWindow{WindowId::Main, "MainWindow", "Tarvolenka", 773, 674,
                                    colours::kSkyBlue, Border::FixedMain, true, kElements,
                                    kTimers};
// clang-format on
}  // namespace main_window

}  // namespace tarvolenka
