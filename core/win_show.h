#pragma once

// Shows a finished spin's win on the reels: frames round the winning cells in their lines'
// colours, the amount over the reels for a moment, and a short celebration for a big win.
// All of it is drawn by the idle repaint; nothing here waits or times the game.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

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

// A winning line told in words: "Линия 7: 3 × водка = 150", its pay at `lineStake`.
std::string WinningLineText(const ReelWindow& reels, std::size_t line, std::int64_t lineStake);

// The moment after a winning spin: all its lines with the amount over them, then each line on
// its own in turn, with its cells and its words under the reels, until the next spin or the
// player's next click.
class WinShow {
 public:
  explicit WinShow(WindowPort& desktop) : d_(desktop) {}

  // A spin has just ended with a win: the amount shows from now on.
  void Restart() {
    repaints_ = 0;
    cycling_ = true;
  }
  // The player acts, or a spin starts: the lines show together again, and stay.
  void Stop() { cycling_ = false; }
  // One idle repaint has passed; whether the picture changes with it.
  bool Tick(const GameState& s, const WinningLineFlags& winning);
  // The lines to draw now: all that won, or the one whose turn it is.
  WinningLineFlags ShownLines(const GameState& s, const WinningLineFlags& winning) const;
  // Frames the cells of `winning` lines on `reels`; drawn under the lines.
  void DrawCells(const ReelWindow& reels, const WinningLineFlags& winning) const;
  // The last win, or the celebration, over the lines while the moment lasts.
  void DrawBanner(const GameState& s, const WinningLineFlags& winning) const;
  // The words of the line whose turn it is, under the reels; hidden otherwise.
  void ShowCaption(const ReelWindow& reels, const GameState& s, const WinningLineFlags& winning);
  // Whether the show goes on: until then the idle repaint keeps its cadence.
  bool Showing(const GameState& s, const WinningLineFlags& winning) const;

 private:
  // The line whose turn it is, once the lines have shown together; none before, or stopped.
  std::optional<std::size_t> TurnOf(const GameState& s, const WinningLineFlags& winning) const;
  int MomentRepaints(const GameState& s) const;

  WindowPort& d_;
  int repaints_ = 0;
  bool cycling_ = false;
  std::string caption_;  // the words shown under the reels; empty when hidden
};

}  // namespace tarvolenka
