#include "core/legend_window.h"

#include <algorithm>
#include <string>

#include "core/arith.h"
#include "core/fitting_points.h"
#include "core/paylines.h"

namespace tarvolenka {
namespace {

// 11 points are the labels' 15 px.
constexpr int kCreditsPoints = 11;

// The picture has a label for each run that pays, and only for those.
constexpr bool EveryPaidRunHasItsLabel() {
  for (int symbol = 1; symbol <= 10; ++symbol)
    for (int run = 2; run <= kReels; ++run)
      if ((kPayTable[static_cast<std::size_t>(symbol)][static_cast<std::size_t>(run)] > 0) !=
          (PayLabel(symbol, run) != LegendEl::Count))
        return false;
  return true;
}
static_assert(EveryPaidRunHasItsLabel());

template <class Visit>
void ForEachPaidRun(const Visit& visit) {
  for (int symbol = 1; symbol <= 10; ++symbol)
    for (int run = ShortestPaidRun(symbol); run <= kReels; ++run) visit(symbol, run);
}

// Nine digits would shrink the whole table to an unreadable size, so whole tenths of a million
// read as millions ("12,5 млн"); the multiple under each figure keeps the table exact.
std::string CreditsText(std::int64_t credits) {
  constexpr std::int64_t kMillion = 1'000'000;
  if (credits < kMillion || credits % (kMillion / 10) != 0) return std::to_string(credits);
  const std::int64_t tenths = credits / (kMillion / 10);
  std::string text = std::to_string(tenths / 10);
  if (tenths % 10 != 0) text += "," + std::to_string(tenths % 10);
  return text + "\u00a0млн";
}

std::string Credits(int symbol, int run, std::int64_t lineStake) {
  const std::int64_t pay =
      kPayTable[static_cast<std::size_t>(symbol)][static_cast<std::size_t>(run)];
  return CreditsText(SatMul(pay, lineStake));
}

}  // namespace

void LegendWindow::OnShow() {
  const std::int64_t stake = played_.LineStake;
  d_.SetText(Ref(LegendEl::StakeHeading),
             "Печалби в кредити при залог " + std::to_string(stake) + " на линия");
  // One size for every figure, the largest at which each fits its cell, so that the table
  // reads evenly at any stake.
  int points = kCreditsPoints;
  ForEachPaidRun([&](int symbol, int run) {
    const int width = SpecOf(Ref(PayLabel(symbol, run))).rect.width;
    points = std::min(points, FittingPoints(Credits(symbol, run, stake), width, points));
  });
  ForEachPaidRun([&](int symbol, int run) {
    const ElementRef label = Ref(PayLabel(symbol, run));
    d_.SetText(label, Credits(symbol, run, stake));
    d_.SetFontSize(label, points);
  });
}

void LegendWindow::Click(std::uint16_t handler, int /*number*/) {
  switch (static_cast<LegendClick>(handler)) {
    case LegendClick::OpenRules:
      return d_.Open(WindowId::Rules, {});
    case LegendClick::Close:
      return d_.Close(WindowId::Legend);
    case LegendClick::None:
      return;
  }
}

}  // namespace tarvolenka
