#include "core/win_show.h"

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/main_elements.h"
#include "catalogue/symbol_names.h"
#include "core/arith.h"

namespace tarvolenka {

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

void FrameWinningCells(WindowPort& desktop, ElementRef surface, const WinningCells& cells) {
  for (int reel = 1; reel <= kReels; ++reel)
    for (int row = 1; row <= 3; ++row) {
      const WinningCell& c =
          cells[static_cast<std::size_t>(reel - 1)][static_cast<std::size_t>(row - 1)];
      if (c.covered)
        desktop.FrameCell(surface, {125 * (reel - 1), 125 * (row - 1), 125, 125}, c.colour);
    }
}

void WinShow::DrawCells(const ReelWindow& reels, const WinningLineFlags& winning) const {
  FrameWinningCells(d_, Ref(MainEl::ReelArea), CellsOfWinningRuns(reels, winning));
}

std::string WinningLineText(const ReelWindow& reels, std::size_t line, std::int64_t lineStake) {
  const LineSymbols symbols = SymbolsOnLine(reels, kPaylineTable[line]);
  const LineRun run = RunOnLine(symbols);
  std::string text = "Линия " + std::to_string(line + 1) + ": " + std::to_string(run.length) +
                     " × " + std::string(SymbolNameOf(run.symbol));
  if (run.factor > 1) text += " × " + std::to_string(run.factor);
  return text + " = " + std::to_string(SatMul(LinePay(symbols), lineStake));
}

int WinShow::MomentRepaints(const GameState& s) const {
  return IsBigWin(s.LastWin, s.TotalStake) ? durations::kBigWinCelebrationRepaints
                                           : durations::kWinBannerRepaints;
}

bool WinShow::Showing(const GameState& s, const WinningLineFlags& winning) const {
  const bool anyLine =
      std::any_of(winning.begin(), winning.end(), [](std::uint8_t w) { return w == 1; });
  return anyLine && s.LastWin > 0 && (cycling_ || repaints_ < MomentRepaints(s));
}

std::optional<std::size_t> WinShow::TurnOf(const GameState& s,
                                           const WinningLineFlags& winning) const {
  if (!cycling_ || !Showing(s, winning) || repaints_ < MomentRepaints(s)) return std::nullopt;
  std::vector<std::size_t> lines;
  for (std::size_t i = 0; i < winning.size(); ++i)
    if (winning[i] == 1) lines.push_back(i);
  const int turn = (repaints_ - MomentRepaints(s)) / durations::kWinLineRepaints;
  return lines[static_cast<std::size_t>(turn) % lines.size()];
}

bool WinShow::Tick(const GameState& s, const WinningLineFlags& winning) {
  const std::optional<std::size_t> before = TurnOf(s, winning);
  const bool moment = repaints_ < MomentRepaints(s);
  // Kept within one round of the lines past the moment, so it never grows without end.
  const int round = durations::kWinLineRepaints * kPaylines;
  repaints_ = repaints_ + 1 < MomentRepaints(s) + round
                  ? repaints_ + 1
                  : MomentRepaints(s) + (repaints_ + 1 - MomentRepaints(s)) % round;
  return moment || TurnOf(s, winning) != before;
}

WinningLineFlags WinShow::ShownLines(const GameState& s, const WinningLineFlags& winning) const {
  const std::optional<std::size_t> turn = TurnOf(s, winning);
  if (!turn) return winning;
  WinningLineFlags one{};
  one[*turn] = 1;
  return one;
}

void WinShow::DrawBanner(const GameState& s, const WinningLineFlags& winning) const {
  if (!Showing(s, winning) || repaints_ >= MomentRepaints(s)) return;
  const bool big = IsBigWin(s.LastWin, s.TotalStake);
  d_.ShowWinBanner(Ref(MainEl::ReelArea), std::to_string(s.LastWin), big ? repaints_ + 1 : 0);
}

void WinShow::ShowCaption(const ReelWindow& reels, const GameState& s,
                          const WinningLineFlags& winning) {
  const std::optional<std::size_t> turn = TurnOf(s, winning);
  const std::string text = turn ? WinningLineText(reels, *turn, s.LineStake) : std::string();
  if (text == caption_) return;
  caption_ = text;
  if (!text.empty()) d_.SetText(Ref(MainEl::WinLineCaption), text);
  d_.SetVisible(Ref(MainEl::WinLineCaption), !text.empty());
}

}  // namespace tarvolenka
