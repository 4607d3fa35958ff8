#pragma once

// The double-up: vodka or beer up a ladder of seven rungs.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class DoubleUpEl : std::uint16_t {
  VodkaButton, BeerButton, VodkaMarker, BeerMarker, CollectButton, JokerButton, JokerSpent, VodkaSpent, BeerSpent, CollectSpent, AmountPanel, Amount, VodkaPlate, BeerPlate,
  History1, History2, History3, History4, History5, History6, History7, History8, History9, History10,
  Rung1, Rung2, Rung3, Rung4, Rung5, Rung6, Rung7,
  DrawnCard, DrawnDrink, Verdict, TopPrizeNote,
  StoreVodka, StoreBeer,
  Count
};
// clang-format on

enum class DoubleUpClick : std::uint16_t { None, GuessVodka, GuessBeer, Collect, UseJoker };

enum class DoubleUpTimer : std::uint8_t { Blink, Shake, Count };

template <>
struct WindowOf<DoubleUpEl> {
  static constexpr WindowId value = WindowId::DoubleUp;
};
template <>
struct WindowOf<DoubleUpTimer> {
  static constexpr WindowId value = WindowId::DoubleUp;
};

// Rung k (1..7) of the ladder: its panel, multiplier of the last win, and the panel's top.
struct Rung {
  DoubleUpEl panel;
  std::int64_t multiplier;
};
inline constexpr std::array<Rung, 7> kDoubleLadder{{{DoubleUpEl::Rung1, 2},
                                                    {DoubleUpEl::Rung2, 4},
                                                    {DoubleUpEl::Rung3, 8},
                                                    {DoubleUpEl::Rung4, 16},
                                                    {DoubleUpEl::Rung5, 32},
                                                    {DoubleUpEl::Rung6, 64},
                                                    {DoubleUpEl::Rung7, 300}}};

// A rung's plate colour: open, won and lost.
inline constexpr Rgb kRungOpen = colours::kYellow;
inline constexpr Rgb kRungWon{150, 226, 110};  // a soft green that the rung's red reads on
inline constexpr Rgb kRungLost = colours::kMaroon;

constexpr DoubleUpEl HistorySlot(int i) {
  return Nth(DoubleUpEl::History1, i - 1);
}

namespace double_window {
using namespace build;
using E = DoubleUpEl;
using C = DoubleUpClick;

inline constexpr TextStyle kWin = Style(13, true, colours::kRed, Align::Centre);
inline constexpr TextStyle kRung = Style(27, true, colours::kRed, Align::Centre, true);
inline constexpr TextStyle kTopRung = Style(48, true, colours::kRed, Align::Centre, true);

inline constexpr TextStyle kVerdict = Style(15, true, colours::kWhite, Align::Centre, true);
inline constexpr TextStyle kNote = Style(14, true, colours::kWhite, Align::Centre, true);
inline constexpr TextStyle kMarker = Style(11, true, colours::kWhite, Align::Centre, true);
inline constexpr Rgb kMarkerRed{176, 12, 12};  // deep enough for its lettering
inline constexpr Rgb kCard{255, 246, 220};

// The last ten draws under the drawn drink, newest first, read in rows of two; a slot not yet
// drawn is an empty well.
constexpr ElementSpec Slot(E id, std::string_view name, int i) {
  const int column = (i - 1) % 2, row = (i - 1) / 2;
  return Pic(id, name, {8 + 81 * column, 210 + 31 * row, 80, 27}, Picture::DoubleSlotEmpty,
             C::Collect);
}

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(DoubleUpEl::Count)> kElements{{
    Pic(E::VodkaButton, "VodkaButton", {300, 455, 113, 64}, Picture::DoubleVodka, C::GuessVodka),
    Pic(E::BeerButton, "BeerButton", {438, 455, 113, 64}, Picture::DoubleBeer, C::GuessBeer),
    // Lit in turn over the two guesses while the window waits for one.
    PanelOf(E::VodkaMarker, "VodkaMarker", {304, 435, 105, 17}, kMarker, kMarkerRed, "▼ ИЗБЕРЕТЕ ▼"),
    PanelOf(E::BeerMarker, "BeerMarker", {440, 435, 105, 17}, kMarker, kMarkerRed, "▼ ИЗБЕРЕТЕ ▼"),
    Pic(E::CollectButton, "CollectButton", {14, 455, 113, 64}, Picture::DoubleCollect, C::Collect),
    Pic(E::JokerButton, "JokerButton", {158, 455, 113, 64}, Picture::DoubleJoker, C::UseJoker),
    // In the joker's place once it is used, so the row of buttons keeps its shape.
    Pic(E::JokerSpent, "JokerSpent", {158, 455, 113, 64}, Picture::DoubleJokerSpent, C::None, 0, kHidden | kTransparent),
    // In the other buttons' places while the game's last pause runs: it takes no more guesses.
    Pic(E::VodkaSpent, "VodkaSpent", {300, 455, 113, 64}, Picture::DoubleVodkaSpent, C::None, 0, kHidden | kTransparent),
    Pic(E::BeerSpent, "BeerSpent", {438, 455, 113, 64}, Picture::DoubleBeerSpent, C::None, 0, kHidden | kTransparent),
    Pic(E::CollectSpent, "CollectSpent", {14, 455, 113, 64}, Picture::DoubleCollectSpent, C::None, 0, kHidden | kTransparent),
    Pic(E::AmountPanel, "AmountPanel", {10, 372, 146, 55}, Picture::PanelWin, C::Collect),
    Text(E::Amount, "Amount", {16, 383, 133, 13}, kWin),
    Pic(E::VodkaPlate, "VodkaPlate", {182, 381, 80, 27}, Picture::PlateVodka, C::Collect, 0, kTransparent | kHidden),
    Pic(E::BeerPlate, "BeerPlate", {182, 413, 80, 27}, Picture::PlateBeer, C::Collect, 0, kTransparent | kHidden),
    Slot(E::History1, "History1", 1), Slot(E::History2, "History2", 2), Slot(E::History3, "History3", 3),
    Slot(E::History4, "History4", 4), Slot(E::History5, "History5", 5), Slot(E::History6, "History6", 6),
    Slot(E::History7, "History7", 7), Slot(E::History8, "History8", 8), Slot(E::History9, "History9", 9),
    Slot(E::History10, "History10", 10),
    PanelOf(E::Rung1, "Rung1", {226, 374, 290, 41}, kRung, kRungOpen),
    PanelOf(E::Rung2, "Rung2", {226, 322, 290, 41}, kRung, kRungOpen),
    PanelOf(E::Rung3, "Rung3", {226, 268, 290, 41}, kRung, kRungOpen),
    PanelOf(E::Rung4, "Rung4", {226, 216, 290, 41}, kRung, kRungOpen),
    PanelOf(E::Rung5, "Rung5", {226, 164, 291, 41}, kRung, kRungOpen),
    PanelOf(E::Rung6, "Rung6", {226, 110, 290, 41}, kRung, kRungOpen),
    PanelOf(E::Rung7, "Rung7", {172, 32, 389, 65}, kTopRung, kRungOpen),
    PanelOf(E::DrawnCard, "DrawnCard", {26, 12, 116, 124}, Style(60, true, Rgb{150, 120, 80}, Align::Centre), kCard),
    Pic(E::DrawnDrink, "DrawnDrink", {33, 17, 102, 113}, Picture::SymbolVodka, C::None, 0, kTransparent | kStretch | kHidden),
    Text(E::Verdict, "Verdict", {4, 140, 162, 40}, kVerdict, {}, kFitText),
    Text(E::TopPrizeNote, "TopPrizeNote", {172, 8, 389, 22}, kNote, "ВЪРХЪТ ПЛАЩА 300 × ПЕЧАЛБАТА"),
    Store(E::StoreVodka, "StoreVodka", Picture::SymbolVodka),
    Store(E::StoreBeer, "StoreBeer", Picture::SymbolBeer),
}};
static_assert(IdsInOrder(kElements));
// clang-format on

// The blink runs while the window is open: its opening starts it, and a hidden window costs
// no wake-ups.
inline constexpr std::array<TimerSpec, 2> kTimers{{
    {0, "blinkTimer", durations::kDoubleBlink, false},
    {1, "shakeTimer", durations::kDoubleShake, false},
}};

// clang-format off
inline constexpr WindowSpec kWindow{WindowId::DoubleUp, "DoubleUpWindow", "Дубъл", 583, 536,
                                    colours::kTeal, Border::FixedNoButtons, false, kElements,
                                    kTimers};
// clang-format on
}  // namespace double_window

}  // namespace tarvolenka
