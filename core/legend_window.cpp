#include "core/legend_window.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>

#include "core/arith.h"
#include "core/fitting_points.h"
#include "core/paylines.h"

namespace tarvolenka {
namespace {

// 11 points are the labels' 15 px. Six digits still read at a glance at 9 points; more digits
// than that take a larger unit.
constexpr int kCreditsPoints = 11;
constexpr int kSmallestCreditsPoints = 9;

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

// A figure in whole units, or to a tenth of one ("12,5"); nothing when the unit would round it.
std::optional<std::string> FigureIn(std::int64_t credits, std::int64_t unit) {
  if (unit == 1) return std::to_string(credits);
  if (credits % (unit / 10) != 0) return std::nullopt;
  const std::int64_t tenths = credits / (unit / 10);
  std::string text = std::to_string(tenths / 10);
  if (tenths % 10 != 0) text += "," + std::to_string(tenths % 10);
  return text;
}

std::int64_t Pay(int symbol, int run, std::int64_t lineStake) {
  return SatMul(kPayTable[static_cast<std::size_t>(symbol)][static_cast<std::size_t>(run)],
                lineStake);
}

// The unit the whole table is written in, named once in its heading. Plain credits while they
// read at a glance; at the top stakes nine digits would shrink every figure to a speck, so
// thousands or millions take over where every figure stays exact in them.
struct Unit {
  std::int64_t credits;
  const char* words;
};
constexpr std::array<Unit, 3> kUnits{
    {{1, "кредити"}, {1'000, "хиляди кредити"}, {1'000'000, "милиони кредити"}}};

// The font size at which every figure fits its cell in `unit`, or 0 when a figure is not exact.
int PointsIn(const Unit& unit, std::int64_t lineStake) {
  int points = kCreditsPoints;
  ForEachPaidRun([&](int symbol, int run) {
    if (points == 0) return;
    const std::optional<std::string> text = FigureIn(Pay(symbol, run, lineStake), unit.credits);
    const int width = SpecOf(Ref(PayLabel(symbol, run))).rect.width;
    points = text ? FittingPoints(*text, width, points) : 0;
  });
  return points;
}

}  // namespace

void LegendWindow::OnShow() {
  const std::int64_t stake = played_.LineStake;
  // One unit and one size for every figure, so that the table reads evenly at any stake.
  const Unit* unit = &kUnits[0];
  int points = PointsIn(*unit, stake);
  if (points < kSmallestCreditsPoints) {
    for (const Unit& larger : std::span(kUnits).subspan(1)) {
      if (const int p = PointsIn(larger, stake); p > points) {
        unit = &larger;
        points = p;
      }
    }
  }
  d_.SetText(Ref(LegendEl::StakeHeading), std::string("Печалби в ") + unit->words + " при залог " +
                                              std::to_string(stake) + " на линия");
  ForEachPaidRun([&](int symbol, int run) {
    const ElementRef label = Ref(PayLabel(symbol, run));
    d_.SetText(label, FigureIn(Pay(symbol, run, stake), unit->credits).value_or(""));
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
