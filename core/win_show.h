#pragma once

// Shows a finished spin's win on the reels: frames round the winning cells in their lines'
// colours, the amount over the reels for a moment, and a short celebration for a big win.
// All of it is drawn by the idle repaint; nothing here waits or times the game.

#include <array>
#include <cstdint>

#include "core/game_state.h"
#include "core/paylines.h"
#include "core/window_port.h"

namespace tarvolenka {

// A visible cell and the colour of the first winning line whose run covers it.
struct WinningCell {
  bool covered = false;
  Rgb colour;
};
// Indexed [reel - 1][row - 1] over the visible rows 1..3.
using WinningCells = std::array<std::array<WinningCell, 3>, kReels>;

// The cells the winning lines' runs cover, from reel 1 as far as each run reaches.
WinningCells CellsOfWinningRuns(const ReelWindow& window, const WinningLineFlags& winning);

// Frames each covered cell of a 125-pixel reel grid on `surface` in its line's colour.
void FrameWinningCells(WindowPort& desktop, ElementRef surface, const WinningCells& cells);

// A win of twenty total stakes or more is celebrated.
inline constexpr std::int64_t kBigWinStakes = 20;
constexpr bool IsBigWin(std::int64_t win, std::int64_t totalStake) {
  return totalStake > 0 && win >= kBigWinStakes * totalStake;
}

class WinShow {
 public:
  explicit WinShow(WindowPort& desktop) : d_(desktop) {}

  // A spin has just ended with a win: the amount shows from now on.
  void Restart() { repaints_ = 0; }
  // One idle repaint has passed.
  void Tick() {
    if (repaints_ < kOver) ++repaints_;
  }
  // Frames the cells of `winning` lines on `reels`; drawn under the lines.
  void DrawCells(const ReelWindow& reels, const WinningLineFlags& winning) const;
  // The last win, or the celebration, over the lines while the moment lasts.
  void DrawBanner(const GameState& s, const WinningLineFlags& winning) const;
  // Whether the banner is still to show: until then each idle repaint may change the frame.
  bool Showing(const GameState& s, const WinningLineFlags& winning) const;

 private:
  static constexpr int kOver = 1000;
  WindowPort& d_;
  int repaints_ = kOver;
};

}  // namespace tarvolenka
