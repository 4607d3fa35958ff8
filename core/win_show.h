#pragma once

// Shows a finished spin on the reels: frames round the winning cells in their lines' colours and
// round the symbols that won a feature, a banner for a moment (the win, free spins won, or what
// a round of free spins paid), big wins celebrated by tier with their amount counting up, then
// each winning line in turn. All of it is drawn by the idle repaint; nothing here waits or times
// the game.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// The symbols that won a feature, marked in gold where no line's frame already is: three or more
// scatters, and three or more bonus stars when `bonusPlays`.
inline constexpr Rgb kFeatureGold{255, 190, 0};
void MarkFeatureSymbols(const ReelWindow& window, bool bonusPlays, WinningCells& cells);

// Frames each covered cell of a 125-pixel reel grid on `surface` in its line's colour.
void FrameWinningCells(WindowPort& desktop, ElementRef surface, const WinningCells& cells);

// Big wins by multiples of the total stake: 20, 50 and 100 times make tiers 1, 2 and 3.
inline constexpr std::array<std::int64_t, 3> kBigWinTierStakes{20, 50, 100};
constexpr int BigWinTier(std::int64_t win, std::int64_t totalStake) {
  int tier = 0;
  for (const std::int64_t stakes : kBigWinTierStakes)
    if (totalStake > 0 && win / stakes >= totalStake) ++tier;
  return tier;
}
// "ГОЛЯМА ПЕЧАЛБА!" and the other tiers' titles; "ПЕЧАЛБА" below the tiers.
std::string_view WinTierTitle(int tier);
constexpr bool IsBigWin(std::int64_t win, std::int64_t totalStake) {
  return BigWinTier(win, totalStake) > 0;
}

// Where the banner's plate goes over the 625 × 375 reels: within one row, over reels whose cell
// there is not covered, trying the bottom row, then the top, then the middle. Nothing when no
// row has room, and then the banner's words go under the reels instead.
std::optional<Rect> BannerPlace(const WinningCells& covered, int tier);

// A winning line told in words: "Линия 7: 3 × водка = 150", its pay at `lineStake`.
std::string WinningLineText(const ReelWindow& reels, std::size_t line, std::int64_t lineStake);

// What the banner tells for its moment.
enum class MomentKind : std::uint8_t { None, Win, FreeSpinsWon, FreeRoundPaid };
struct Moment {
  MomentKind kind = MomentKind::None;
  std::int64_t amount = 0;  // credits, or the free spins won
  int tier = 0;             // of a win, or of a round's pay
  bool more = false;        // free spins won during a round, on top of those left
};

// The amount a count-up shows at repaint `repaint` (from 0): a share of it growing to all of it.
std::int64_t CountedUp(std::int64_t amount, int repaint, int repaints);

// The banner's title and the words that tell the moment whole, for the reels' caption and for a
// screen reader.
std::string_view MomentTitle(const Moment& moment);
std::string MomentWords(const Moment& moment);

// The moment after a spin: the banner with all the winning lines, then each line on its own in
// turn, with its cells and its words under the reels, until the next spin or the player's next
// click.
class WinShow {
 public:
  explicit WinShow(WindowPort& desktop) : d_(desktop) {}

  // The reels have stopped: a win, or free spins won, shows from now on; the symbols that won a
  // feature are marked until the next spin.
  void Restart(const Moment& moment) {
    moment_ = moment;
    repaints_ = 0;
    cycling_ = true;
  }
  void MarkFeatures(bool bonusPlays) { features_ = true, bonusPlays_ = bonusPlays; }
  // The player acts, or a spin starts: the moment ends and the lines show together again, and
  // stay.
  void Stop() {
    cycling_ = false;
    moment_ = {};
  }
  // An award replaces the spin's win: no lines, no marks, no banner.
  void Clear() {
    Stop();
    features_ = false;
  }
  // One idle repaint has passed; whether the picture changes with it.
  bool Tick(const WinningLineFlags& winning);
  // The lines to draw now: all that won, or the one whose turn it is.
  WinningLineFlags ShownLines(const WinningLineFlags& winning) const;
  // Frames the cells of the `shown` lines, and the feature symbols, on `reels`; drawn under the
  // lines.
  void DrawCells(const ReelWindow& reels, const WinningLineFlags& shown) const;
  // The moment's banner over the lines, clear of every framed cell.
  void DrawBanner(const ReelWindow& reels, const WinningLineFlags& winning) const;
  // Under the reels: the words of the line whose turn it is, or the moment's own when its
  // banner finds no room; hidden otherwise.
  void ShowCaption(const ReelWindow& reels, const GameState& s, const WinningLineFlags& winning);
  // Whether the show goes on: until then the idle repaint keeps its cadence.
  bool Showing(const WinningLineFlags& winning) const;
  const Moment& moment() const { return moment_; }
  // Whether the moment's banner is still up.
  bool InMoment() const;

 private:
  // The line whose turn it is, once the moment is over; none before, or stopped.
  std::optional<std::size_t> TurnOf(const WinningLineFlags& winning) const;
  int MomentRepaints() const;
  WinningCells Covered(const ReelWindow& reels, const WinningLineFlags& lines) const;

  WindowPort& d_;
  Moment moment_;
  int repaints_ = 0;
  bool cycling_ = false;
  bool features_ = false;
  bool bonusPlays_ = false;
  std::string caption_;  // the words shown under the reels; empty when hidden
};

}  // namespace tarvolenka
