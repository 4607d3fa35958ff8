#pragma once

// The main window TForm1: the machine's cabinet.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class MainEl : std::uint16_t {
  // Visible elements, in stacking order (a later one covers an earlier one).
  ImagePechalba, ImageTotalKanal, ImageKanal, ImageLinii, ImageBalans,
  ImageStart, ImageDouble, ImageTablica,
  ImageLinesPlus, ImageLinesMinus, ImageKanalPlus, ImageKanalMinus,
  Pechalba, Credit, Lines, Kanal, TotalKanal,
  PaintBox1, FreeSpins1, ImageBonus0, Level1, Level11, Gauge1, Expirience1, BonusTime11,
  ImageVzemiBonus, ImageSound, ImageKlechka,
  // Hidden picture stores.
  Image1, Image2, Image3, Image4, Image5, Image6, Image7, Image8, Image9, Image10,
  Image11, Image12, Image13, Image14, Image15,
  Ekran10, Ekran11, Ekran12, Ekran13, Ekran20, Ekran21, Ekran22, Ekran23,
  Ekran30, Ekran31, Ekran32, Ekran33, Ekran40, Ekran41, Ekran42, Ekran43,
  Ekran50, Ekran51, Ekran52, Ekran53,
  Image16, Image17, Image18, Image19, Image20, Image21, Image22, Image23, Image24, Image25,
  ImageSoundON, ImageSoundOFF, ImageKlechkaOFF, ImageKlechkaON,
  ImageBonus1, ImageBonus2, ImageBonus3, ImageBonus4, ImageBonus5, ImageBonus6,
  Count
};
// clang-format on

enum class MainClick : std::uint16_t {
  None,
  ImageDoubleClick,
  ImageStartClick,
  ImageTablicaClick,
  ImageLinesPlusClick,
  ImageLinesMinusClick,
  ImageKanalPlusClick,
  ImageKanalMinusClick,
  ImageVzemiBonusClick,
  ImageSoundClick,
  ImageKlechkaClick,
};

enum class MainTimer : std::uint8_t { Timer1, Timer2, Timer3, Timer4, Timer5, Count };

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
  return Nth(MainEl::Image1, k - 1);
}
constexpr MainEl Ekran(int reel, int row) {
  return Nth(MainEl::Ekran10, (reel - 1) * 4 + row);
}
constexpr MainEl BonusStagePicture(int stage) {
  return Nth(MainEl::ImageBonus1, stage);
}

namespace main_window {
using namespace build;
using E = MainEl;
using C = MainClick;

inline constexpr TextStyle kCounter = Style(13, true, colours::kBlack, Align::Centre);
inline constexpr TextStyle kBig = Style(24, true, colours::kRed, Align::Centre, true);
inline constexpr TextStyle kCountdown = Style(19, true, colours::kRed, Align::Centre);
inline constexpr TextStyle kFreeSpins =
    Opaque(Style(24, true, colours::kRed, Align::Centre, true), colours::kYellow);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(MainEl::Count)> kElements{{
    Pic(E::ImagePechalba, "ImagePechalba", {572, 489, 146, 55}, Picture::PanelPechalba, C::ImageDoubleClick),
    Pic(E::ImageTotalKanal, "ImageTotalKanal", {416, 489, 146, 55}, Picture::PanelTotalKanal, C::ImageDoubleClick),
    Pic(E::ImageKanal, "ImageKanal", {304, 489, 108, 55}, Picture::PanelKanal, C::ImageDoubleClick),
    Pic(E::ImageLinii, "ImageLinii", {222, 489, 78, 55}, Picture::PanelLinii, C::ImageDoubleClick),
    Pic(E::ImageBalans, "ImageBalans", {50, 489, 170, 55}, Picture::PanelBalans, C::ImageDoubleClick),
    Pic(E::ImageStart, "ImageStart", {600, 573, 108, 66}, Picture::ButtonStart, C::ImageStartClick),
    Pic(E::ImageDouble, "ImageDouble", {434, 575, 108, 66}, Picture::ButtonDouble, C::ImageDoubleClick),
    Pic(E::ImageTablica, "ImageTablica", {264, 587, 112, 49}, Picture::ButtonTablica, C::ImageTablicaClick),
    Pic(E::ImageLinesPlus, "ImageLinesPlus", {266, 547, 20, 20}, Picture::ArrowPlus, C::ImageLinesPlusClick),
    Pic(E::ImageLinesMinus, "ImageLinesMinus", {234, 547, 20, 20}, Picture::ArrowMinus, C::ImageLinesMinusClick),
    Pic(E::ImageKanalPlus, "ImageKanalPlus", {364, 547, 20, 20}, Picture::ArrowPlus, C::ImageKanalPlusClick),
    Pic(E::ImageKanalMinus, "ImageKanalMinus", {334, 547, 20, 20}, Picture::ArrowMinus, C::ImageKanalMinusClick),
    Text(E::Pechalba, "Pechalba", {586, 499, 117, 13}, kCounter),
    Text(E::Credit, "Credit", {62, 499, 150, 13}, kCounter),
    Text(E::Lines, "Lines", {238, 499, 43, 13}, kCounter),
    Text(E::Kanal, "Kanal", {320, 499, 77, 13}, kCounter),
    Text(E::TotalKanal, "TotalKanal", {430, 499, 117, 13}, kCounter),
    PaintBoxOf(E::PaintBox1, "PaintBox1", {73, 86, 625, 375}, colours::kSkyBlue),
    Text(E::FreeSpins1, "FreeSpins1", {618, 52, 36, 29}, kFreeSpins, {}, kHidden),
    Pic(E::ImageBonus0, "ImageBonus0", {82, 551, 110, 112}, Picture::BonusStage0, C::ImageDoubleClick),
    Pic(E::Level1, "Level1", {10, 9, 113, 64}, Picture::LevelBadge, C::ImageDoubleClick),
    Text(E::Level11, "Level11", {20, 18, 95, 27}, kBig),
    GaugeOf(E::Gauge1, "Gauge1", {172, 20, 429, 41}, colours::kNavy, colours::kYellow),
    Text(E::Expirience1, "Expirience1", {178, 28, 417, 27}, kBig),
    Text(E::BonusTime11, "BonusTime11", {90, 554, 97, 31}, kCountdown, "00:00:00"),
    Pic(E::ImageVzemiBonus, "ImageVzemiBonus", {78, 545, 123, 49}, Picture::VzemiBonus, C::ImageVzemiBonusClick, 0, kTransparent | kStretch | kHidden),
    Pic(E::ImageSound, "ImageSound", {666, 52, 30, 30}, Picture::SoundOn, C::ImageSoundClick),
    Pic(E::ImageKlechka, "ImageKlechka", {704, 553, 25, 25}, Picture::KlechkaOff, C::ImageKlechkaClick),
    Store(E::Image1, "Image1", Picture::SymbolChips),
    Store(E::Image2, "Image2", Picture::SymbolSausages),
    Store(E::Image3, "Image3", Picture::SymbolSalad),
    Store(E::Image4, "Image4", Picture::SymbolKebapche),
    Store(E::Image5, "Image5", Picture::SymbolSalami),
    Store(E::Image6, "Image6", Picture::SymbolBeer),
    Store(E::Image7, "Image7", Picture::SymbolWine),
    Store(E::Image8, "Image8", Picture::SymbolBrandy),
    Store(E::Image9, "Image9", Picture::SymbolRakia),
    Store(E::Image10, "Image10", Picture::SymbolVodka),
    Store(E::Image11, "Image11", Picture::SymbolBonus),
    Store(E::Image12, "Image12", Picture::SymbolScatter),
    Store(E::Image13, "Image13", Picture::SymbolX2),
    Store(E::Image14, "Image14", Picture::SymbolX5),
    Store(E::Image15, "Image15", Picture::SymbolX10),
    Cell(E::Ekran10, "Ekran10"), Cell(E::Ekran11, "Ekran11"), Cell(E::Ekran12, "Ekran12"), Cell(E::Ekran13, "Ekran13"),
    Cell(E::Ekran20, "Ekran20"), Cell(E::Ekran21, "Ekran21"), Cell(E::Ekran22, "Ekran22"), Cell(E::Ekran23, "Ekran23"),
    Cell(E::Ekran30, "Ekran30"), Cell(E::Ekran31, "Ekran31"), Cell(E::Ekran32, "Ekran32"), Cell(E::Ekran33, "Ekran33"),
    Cell(E::Ekran40, "Ekran40"), Cell(E::Ekran41, "Ekran41"), Cell(E::Ekran42, "Ekran42"), Cell(E::Ekran43, "Ekran43"),
    Cell(E::Ekran50, "Ekran50"), Cell(E::Ekran51, "Ekran51"), Cell(E::Ekran52, "Ekran52"), Cell(E::Ekran53, "Ekran53"),
    Store(E::Image16, "Image16", Picture::ButtonStart),
    Store(E::Image17, "Image17", Picture::ButtonStartGrey),
    Store(E::Image18, "Image18", Picture::ButtonDouble),
    Store(E::Image19, "Image19", Picture::ButtonDoubleGrey),
    Store(E::Image20, "Image20", Picture::ButtonTablica),
    Store(E::Image21, "Image21", Picture::ButtonTablicaGrey),
    Store(E::Image22, "Image22", Picture::ArrowPlus),
    Store(E::Image23, "Image23", Picture::ArrowPlusGrey),
    Store(E::Image24, "Image24", Picture::ArrowMinus),
    Store(E::Image25, "Image25", Picture::ArrowMinusGrey),
    Store(E::ImageSoundON, "ImageSoundON", Picture::SoundOn),
    Store(E::ImageSoundOFF, "ImageSoundOFF", Picture::SoundOff),
    Store(E::ImageKlechkaOFF, "ImageKlechkaOFF", Picture::KlechkaOff),
    Store(E::ImageKlechkaON, "ImageKlechkaON", Picture::KlechkaOn),
    Store(E::ImageBonus1, "ImageBonus1", Picture::BonusStage0),
    Store(E::ImageBonus2, "ImageBonus2", Picture::BonusStage1),
    Store(E::ImageBonus3, "ImageBonus3", Picture::BonusStage2),
    Store(E::ImageBonus4, "ImageBonus4", Picture::BonusStage3),
    Store(E::ImageBonus5, "ImageBonus5", Picture::BonusStage4),
    Store(E::ImageBonus6, "ImageBonus6", Picture::BonusStage5),
}};
static_assert(IdsInOrder(kElements), "main window elements must be listed in enum order");
// clang-format on

inline constexpr std::array<TimerSpec, 5> kTimers{{
    {0, "Timer1", durations::kSpinTickStart, false},
    {1, "Timer2", durations::kIdleRepaint, true},
    {2, "Timer3", durations::kFreeSpinPause, false},
    {3, "Timer4", durations::kCountdownTick, true},
    {4, "Timer5", durations::kAutoPlayPause, false},
}};

// clang-format off
inline constexpr WindowSpec kWindow{WindowId::Main, "TForm1", "Tarvolenka", 773, 674,
                                    colours::kSkyBlue, Border::FixedMain, true, kElements,
                                    kTimers};
// clang-format on
}  // namespace main_window

}  // namespace tarvolenka
