#include "core/win_show.h"

#include <algorithm>
#include <string>

#include "catalogue/main_elements.h"

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

bool WinShow::Showing(const GameState& s, const WinningLineFlags& winning) const {
  const bool anyLine =
      std::any_of(winning.begin(), winning.end(), [](std::uint8_t w) { return w == 1; });
  if (!anyLine || s.LastWin <= 0) return false;
  const bool big = IsBigWin(s.LastWin, s.TotalStake);
  return repaints_ < (big ? durations::kBigWinCelebrationRepaints : durations::kWinBannerRepaints);
}

void WinShow::DrawBanner(const GameState& s, const WinningLineFlags& winning) const {
  if (!Showing(s, winning)) return;
  const bool big = IsBigWin(s.LastWin, s.TotalStake);
  d_.ShowWinBanner(Ref(MainEl::ReelArea), std::to_string(s.LastWin), big ? repaints_ + 1 : 0);
}

}  // namespace tarvolenka
