#pragma once

// The legend: one picture of the special symbols, the pay table and the fifty lines, with the
// pays in credits at the stake being played written over it, and the buttons to the rules and
// out of the window.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class LegendEl : std::uint16_t {
  Table, StakeHeading, RulesButton, CloseButton,
  // The credits of each run that pays, card by card as the picture lays them out (the drinks,
  // dearest first, pay runs of five down to two; the foods down to three).
  VodkaPay5, VodkaPay4, VodkaPay3, VodkaPay2,
  RakiaPay5, RakiaPay4, RakiaPay3, RakiaPay2,
  BrandyPay5, BrandyPay4, BrandyPay3, BrandyPay2,
  WinePay5, WinePay4, WinePay3, WinePay2,
  BeerPay5, BeerPay4, BeerPay3, BeerPay2,
  SalamiPay5, SalamiPay4, SalamiPay3,
  KebapchePay5, KebapchePay4, KebapchePay3,
  SaladPay5, SaladPay4, SaladPay3,
  SausagesPay5, SausagesPay4, SausagesPay3,
  ChipsPay5, ChipsPay4, ChipsPay3,
  Count
};
// clang-format on

enum class LegendClick : std::uint16_t { None, OpenRules, Close };

template <>
struct WindowOf<LegendEl> {
  static constexpr WindowId value = WindowId::Legend;
};

// The pay cards, from the symbols of the reels (1..10, as their pictures are numbered): the
// drinks 6..10 pay from a run of two, the foods 1..5 from a run of three.
inline constexpr int kFirstDrink = 6;
inline constexpr int kLongestRun = 5;
constexpr int ShortestPaidRun(int symbol) {
  return symbol >= kFirstDrink ? 2 : 3;
}

// The credits label of a run of `run` reels of `symbol`; LegendEl::Count for a run that pays
// nothing.
constexpr LegendEl PayLabel(int symbol, int run) {
  if (symbol < 1 || symbol > 10 || run < ShortestPaidRun(symbol) || run > kLongestRun)
    return LegendEl::Count;
  const int slot = kLongestRun - run;
  if (symbol >= kFirstDrink) return Nth(LegendEl::VodkaPay5, (10 - symbol) * 4 + slot);
  return Nth(LegendEl::SalamiPay5, (kFirstDrink - 1 - symbol) * 3 + slot);
}

namespace legend_window {
using namespace build;
using E = LegendEl;

// The legend picture's ink and dark red, which the texts over it share.
inline constexpr Rgb kInk{59, 35, 20};
inline constexpr Rgb kDarkRed{139, 26, 26};
inline constexpr Rgb kCard{255, 251, 241};  // the panels' cream

// A symbol's card: the drinks in the left column and the foods in the right, dearest at the top.
// The drinks' cards are wider, for their fourth run.
constexpr Rect PayCard(int symbol) {
  const bool drink = symbol >= kFirstDrink;
  const int row = drink ? 10 - symbol : kFirstDrink - 1 - symbol;
  return {drink ? 252 : 636, 42 + row * 55, drink ? 377 : 285, 52};
}
// One run's cell on its card, the longest run on the left: its badge, its credits and, in small
// print under them, its pay per unit of the stake per line. The small print keeps 13 px of the
// card's height, enough for it to read at the window's own size.
constexpr int PayCellWidth(int symbol) {
  return symbol >= kFirstDrink ? 80 : 76;
}
constexpr int PayCellLeft(int symbol, int run) {
  return PayCard(symbol).left + 56 + (kLongestRun - run) * PayCellWidth(symbol);
}
constexpr Rect PayBadge(int symbol, int run) {
  return {PayCellLeft(symbol, run), PayCard(symbol).top + 21, 18, 18};
}
constexpr Rect PayCredits(int symbol, int run) {
  return {PayCellLeft(symbol, run) + 21, PayCard(symbol).top + 20, PayCellWidth(symbol) - 24, 18};
}
constexpr Rect PayPerUnit(int symbol, int run) {
  return {PayCellLeft(symbol, run) + 21, PayCard(symbol).top + 38, PayCellWidth(symbol) - 24, 13};
}

// The pay table's heading, which names the stake; the picture's rules stop short of it.
inline constexpr Rect kStakeHeading{351, 14, 470, 24};
// The rules' button and the close button, side by side at the end of the lines' heading.
inline constexpr Rect kRulesButton{713, 333, 100, 26};
inline constexpr Rect kCloseButton{821, 333, 100, 26};

inline constexpr int kCreditsPx = 15;
inline constexpr TextStyle kCredits = Style(kCreditsPx, true, kInk, Align::Left, true);
inline constexpr TextStyle kHeading = Style(16, true, kDarkRed, Align::Centre, true);

template <class E2>
constexpr ElementSpec Credits(E2 id, std::string_view name, int symbol, int run) {
  return Text(id, name, PayCredits(symbol, run), kCredits);
}

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(LegendEl::Count)> kElements{{
    Pic(E::Table, "Table", {0, 0, 941, 595}, Picture::Legend, kNoClick, 0, 0),
    Text(E::StakeHeading, "StakeHeading", kStakeHeading, kHeading, {}, kShrinkText),
    WoodButton(E::RulesButton, "RulesButton", kRulesButton, LegendClick::OpenRules, "ПРАВИЛА"),
    WoodButton(E::CloseButton, "CloseButton", kCloseButton, LegendClick::Close, "ЗАТВОРИ"),
    Credits(E::VodkaPay5, "VodkaPay5", 10, 5), Credits(E::VodkaPay4, "VodkaPay4", 10, 4),
    Credits(E::VodkaPay3, "VodkaPay3", 10, 3), Credits(E::VodkaPay2, "VodkaPay2", 10, 2),
    Credits(E::RakiaPay5, "RakiaPay5", 9, 5), Credits(E::RakiaPay4, "RakiaPay4", 9, 4),
    Credits(E::RakiaPay3, "RakiaPay3", 9, 3), Credits(E::RakiaPay2, "RakiaPay2", 9, 2),
    Credits(E::BrandyPay5, "BrandyPay5", 8, 5), Credits(E::BrandyPay4, "BrandyPay4", 8, 4),
    Credits(E::BrandyPay3, "BrandyPay3", 8, 3), Credits(E::BrandyPay2, "BrandyPay2", 8, 2),
    Credits(E::WinePay5, "WinePay5", 7, 5), Credits(E::WinePay4, "WinePay4", 7, 4),
    Credits(E::WinePay3, "WinePay3", 7, 3), Credits(E::WinePay2, "WinePay2", 7, 2),
    Credits(E::BeerPay5, "BeerPay5", 6, 5), Credits(E::BeerPay4, "BeerPay4", 6, 4),
    Credits(E::BeerPay3, "BeerPay3", 6, 3), Credits(E::BeerPay2, "BeerPay2", 6, 2),
    Credits(E::SalamiPay5, "SalamiPay5", 5, 5), Credits(E::SalamiPay4, "SalamiPay4", 5, 4),
    Credits(E::SalamiPay3, "SalamiPay3", 5, 3),
    Credits(E::KebapchePay5, "KebapchePay5", 4, 5), Credits(E::KebapchePay4, "KebapchePay4", 4, 4),
    Credits(E::KebapchePay3, "KebapchePay3", 4, 3),
    Credits(E::SaladPay5, "SaladPay5", 3, 5), Credits(E::SaladPay4, "SaladPay4", 3, 4),
    Credits(E::SaladPay3, "SaladPay3", 3, 3),
    Credits(E::SausagesPay5, "SausagesPay5", 2, 5), Credits(E::SausagesPay4, "SausagesPay4", 2, 4),
    Credits(E::SausagesPay3, "SausagesPay3", 2, 3),
    Credits(E::ChipsPay5, "ChipsPay5", 1, 5), Credits(E::ChipsPay4, "ChipsPay4", 1, 4),
    Credits(E::ChipsPay3, "ChipsPay3", 1, 3),
}};
static_assert(IdsInOrder(kElements));

// Each label lies where PayLabel says it does.
constexpr bool PayLabelsInPlace() {
  for (int symbol = 1; symbol <= 10; ++symbol)
    for (int run = ShortestPaidRun(symbol); run <= kLongestRun; ++run)
      if (kElements[static_cast<std::size_t>(PayLabel(symbol, run))].rect != PayCredits(symbol, run))
        return false;
  return true;
}
static_assert(PayLabelsInPlace());

inline constexpr WindowSpec kWindow{WindowId::Legend, "LegendWindow", "Легенда", 945, 599, colours::kWhite,
                                    Border::FixedCloseBox, true, kElements, {}};
// clang-format on
}  // namespace legend_window

}  // namespace tarvolenka
