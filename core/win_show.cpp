#include "core/win_show.h"

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/main_elements.h"
#include "catalogue/symbol_names.h"
#include "core/arith.h"
#include "core/bonus_trigger.h"
#include "core/free_spins.h"

namespace tarvolenka {
namespace {

constexpr std::array<std::string_view, 4> kWinTitles{"ПЕЧАЛБА", "ГОЛЯМА ПЕЧАЛБА!",
                                                     "ОГРОМНА ПЕЧАЛБА!", "ЕПИЧНА ПЕЧАЛБА!"};

// The plates: an ordinary banner, and a big win's, each within one row of 125 pixels.
constexpr int kPlateWidth = 340, kPlateHeight = 78;
constexpr int kBigPlateWidth = 520, kBigPlateHeight = 116;

}  // namespace

WinningCells CellsOfWinningRuns(const ReelWindow& window, const WinningLineFlags& winning) {
  WinningCells cells{};
  for (std::size_t i = 0; i < kPaylineTable.size(); ++i) {
    if (winning[i] != 1) continue;
    const Payline& line = kPaylineTable[i];
    const int length = RunOnLine(SymbolsOnLine(window, line)).length;
    for (int reel = 1; reel <= length; ++reel) {
      const auto r = static_cast<std::size_t>(reel - 1);
      WinningCell& cell = cells[r][static_cast<std::size_t>(line.rows[r] - 1)];
      if (!cell.covered) cell = {true, line.colour};
    }
  }
  return cells;
}

void MarkFeatureSymbols(const ReelWindow& window, bool bonusPlays, WinningCells& cells) {
  const bool scatters = FreeSpinsFor(CountVisible(window, kScatterSymbol)) > 0;
  const bool stars = bonusPlays && OpensBonus(CountVisible(window, kBonusSymbol));
  for (int reel = 1; reel <= kReels; ++reel)
    for (int row = 1; row <= 3; ++row) {
      const SymbolId s = window.at(row, reel);
      WinningCell& cell =
          cells[static_cast<std::size_t>(reel - 1)][static_cast<std::size_t>(row - 1)];
      if (!cell.covered && ((scatters && s == kScatterSymbol) || (stars && s == kBonusSymbol)))
        cell = {true, kFeatureGold};
    }
}

void FrameWinningCells(WindowPort& desktop, ElementRef surface, const WinningCells& cells) {
  for (int reel = 1; reel <= kReels; ++reel)
    for (int row = 1; row <= 3; ++row) {
      const WinningCell& c =
          cells[static_cast<std::size_t>(reel - 1)][static_cast<std::size_t>(row - 1)];
      if (c.covered)
        desktop.FrameCell(surface, {125 * (reel - 1), 125 * (row - 1), 125, 125}, c.colour);
    }
}

std::optional<Rect> BannerPlace(const WinningCells& covered, int tier) {
  const int height = tier > 0 ? kBigPlateHeight : kPlateHeight;
  // A big win's plate narrows to an ordinary one's width before it gives up its place.
  for (const int width : {tier > 0 ? kBigPlateWidth : kPlateWidth, kPlateWidth}) {
    for (const int row : {3, 1, 2}) {
      // The longest run of reels whose cell in this row is clear.
      int best = 0, bestFirst = 0;
      for (int first = 0, reel = 0; reel <= kReels; ++reel) {
        const bool clear =
            reel < kReels &&
            !covered[static_cast<std::size_t>(reel)][static_cast<std::size_t>(row - 1)].covered;
        if (clear) continue;
        if (reel - first > best) best = reel - first, bestFirst = first;
        first = reel + 1;
      }
      if (best * 125 >= width + 10)
        return Rect{bestFirst * 125 + (best * 125 - width) / 2,
                    125 * (row - 1) + (125 - height) / 2, width, height};
    }
  }
  return std::nullopt;
}

std::string WinningLineText(const ReelWindow& reels, std::size_t line, std::int64_t lineStake) {
  const LineSymbols symbols = SymbolsOnLine(reels, kPaylineTable[line]);
  const LineRun run = RunOnLine(symbols);
  std::string text = "Линия " + std::to_string(line + 1) + ": " + std::to_string(run.length) +
                     " × " + std::string(SymbolNameOf(run.symbol));
  if (run.factor > 1) text += " × " + std::to_string(run.factor);
  return text + " = " + std::to_string(SatMul(LinePay(symbols), lineStake));
}

std::int64_t CountedUp(std::int64_t amount, int repaint, int repaints) {
  if (repaint + 1 >= repaints) return amount;
  // In two parts, so that no amount overflows on its way up.
  const std::int64_t share = repaint + 1;
  return amount / repaints * share + amount % repaints * share / repaints;
}

std::string_view WinTierTitle(int tier) {
  return kWinTitles[static_cast<std::size_t>(std::clamp(tier, 0, 3))];
}

std::string_view MomentTitle(const Moment& moment) {
  switch (moment.kind) {
    case MomentKind::FreeSpinsWon:
      return moment.more ? "ОЩЕ БЕЗПЛАТНИ ИГРИ" : "БЕЗПЛАТНИ ИГРИ";
    case MomentKind::FreeRoundPaid:
      return moment.tier > 0 ? kWinTitles[static_cast<std::size_t>(moment.tier)]
                             : "БЕЗПЛАТНИТЕ ИГРИ ДОНЕСОХА";
    case MomentKind::Win:
      return kWinTitles[static_cast<std::size_t>(std::clamp(moment.tier, 0, 3))];
    case MomentKind::None:
      break;
  }
  return {};
}

std::string MomentWords(const Moment& moment) {
  const std::string amount = std::to_string(moment.amount);
  switch (moment.kind) {
    case MomentKind::FreeSpinsWon:
      return (moment.more ? "Още " : "") + amount + " БЕЗПЛАТНИ ИГРИ";
    case MomentKind::FreeRoundPaid:
      return "Безплатните игри донесоха " + amount;
    case MomentKind::Win:
      return std::string(MomentTitle(moment)) + " " + amount;
    case MomentKind::None:
      break;
  }
  return {};
}

int WinShow::MomentRepaints() const {
  switch (moment_.kind) {
    case MomentKind::None:
      return 0;
    case MomentKind::FreeSpinsWon:
      return durations::kWinBannerRepaints;
    case MomentKind::Win:
    case MomentKind::FreeRoundPaid:
      break;
  }
  return moment_.tier > 0 ? durations::kBigWinCelebrationRepaints +
                                (moment_.tier - 1) * durations::kBigWinTierRepaints
                          : durations::kWinBannerRepaints;
}

bool WinShow::InMoment() const {
  return repaints_ < MomentRepaints();
}

bool WinShow::Showing(const WinningLineFlags& winning) const {
  const bool anyLine =
      std::any_of(winning.begin(), winning.end(), [](std::uint8_t w) { return w == 1; });
  return InMoment() || (cycling_ && anyLine);
}

std::optional<std::size_t> WinShow::TurnOf(const WinningLineFlags& winning) const {
  if (!cycling_ || InMoment()) return std::nullopt;
  std::vector<std::size_t> lines;
  for (std::size_t i = 0; i < winning.size(); ++i)
    if (winning[i] == 1) lines.push_back(i);
  if (lines.empty()) return std::nullopt;
  const int turn = (repaints_ - MomentRepaints()) / durations::kWinLineRepaints;
  return lines[static_cast<std::size_t>(turn) % lines.size()];
}

bool WinShow::Tick(const WinningLineFlags& winning) {
  const std::optional<std::size_t> before = TurnOf(winning);
  const bool moment = InMoment();
  ++repaints_;
  // Past the moment the count stays within one round of the lines, so it never grows without
  // end and the turns keep their order.
  const auto lines = std::count(winning.begin(), winning.end(), 1);
  const int round =
      durations::kWinLineRepaints * static_cast<int>(std::max<std::ptrdiff_t>(lines, 1));
  if (repaints_ >= MomentRepaints() + round) repaints_ -= round;
  return moment || TurnOf(winning) != before;
}

WinningLineFlags WinShow::ShownLines(const WinningLineFlags& winning) const {
  const std::optional<std::size_t> turn = TurnOf(winning);
  if (!turn) return winning;
  WinningLineFlags one{};
  one[*turn] = 1;
  return one;
}

WinningCells WinShow::Covered(const ReelWindow& reels, const WinningLineFlags& lines) const {
  WinningCells cells = CellsOfWinningRuns(reels, lines);
  if (features_) MarkFeatureSymbols(reels, bonusPlays_, cells);
  return cells;
}

void WinShow::DrawCells(const ReelWindow& reels, const WinningLineFlags& shown) const {
  FrameWinningCells(d_, Ref(MainEl::ReelArea), Covered(reels, shown));
}

void WinShow::DrawBanner(const ReelWindow& reels, const WinningLineFlags& winning) const {
  if (!InMoment()) return;
  const std::optional<Rect> place = BannerPlace(Covered(reels, winning), moment_.tier);
  if (!place) return;
  const bool counts = moment_.kind != MomentKind::FreeSpinsWon && moment_.tier > 0;
  const std::int64_t shown =
      counts ? CountedUp(moment_.amount, repaints_, durations::kWinCountUpRepaints)
             : moment_.amount;
  const std::string amount =
      (moment_.kind == MomentKind::FreeSpinsWon && moment_.more ? "+" : "") + std::to_string(shown);
  const std::string spoken = MomentWords(moment_);
  d_.ShowWinBanner(Ref(MainEl::ReelArea), {*place, MomentTitle(moment_), amount, spoken,
                                           moment_.tier, moment_.tier > 0 ? repaints_ + 1 : 0});
}

void WinShow::ShowCaption(const ReelWindow& reels, const GameState& s,
                          const WinningLineFlags& winning) {
  const std::optional<std::size_t> turn = TurnOf(winning);
  std::string text;
  if (turn) {
    text = WinningLineText(reels, *turn, s.LineStake);
  } else if (InMoment() && !BannerPlace(Covered(reels, winning), moment_.tier)) {
    text = MomentWords(moment_);
  }
  if (text == caption_) return;
  caption_ = text;
  if (!text.empty()) d_.SetText(Ref(MainEl::WinLineCaption), text);
  d_.SetVisible(Ref(MainEl::WinLineCaption), !text.empty());
}

}  // namespace tarvolenka
