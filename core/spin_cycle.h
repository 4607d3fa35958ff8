#pragma once

#include <cstdint>
#include <optional>

#include "core/game_state.h"
#include "core/paylines.h"
#include "core/play_settings.h"
#include "core/reels.h"

namespace tarvolenka {

// A round of free spins, from the spin that won the first of them until none is left: how many
// it has won so far, how many were taken, and what they paid, bonuses included.
struct FreeRound {
  std::int32_t won = 0;
  std::int32_t taken = 0;
  std::int64_t paid = 0;
  bool whole = true;  // false for a round resumed after an interruption: its past is not kept
};

// The spin cycle's rules: a paid spin's stake, a free spin taken, the lines' pay once the reels
// stop, the free spins the scatters award, and auto-play. It owns the cycle's counters and the
// last spin's winning lines; the money goes in and out of the saved state it is given.
class SpinCycle {
 public:
  // A paid spin: the stake leaves the balance and counts to experience. Refused, changing
  // nothing, when the balance is short of it.
  bool StakePaidSpin(GameState& s);
  // One of the free spins waiting: it costs nothing but counts to experience as a paid one.
  void TakeFreeSpin(GameState& s);
  // The reels have stopped: their winning lines, and their win at the stake per line paid into
  // the balance as the last win. Returns the win.
  std::int64_t PayLines(const ReelWindow& reels, GameState& s);
  // The free spins the scatters on `reels` award, added to those waiting. Returns how many.
  int AwardFreeSpins(const ReelWindow& reels);
  // Auto-play on or off; whether it is now on. A run turned on plays the chosen number of spins.
  bool ToggleAutoPlay();
  void SetAutoPlayChoices(const AutoPlayChoices& choices) { choices_ = choices; }
  // A paid spin has started while auto-play is on: one spin of the run fewer is left.
  void CountAutoPlaySpin();
  // A spin has ended with `win` (its bonus included) and, when `bonusOpened`, a bonus game: a
  // limit it reaches ends the run once the game is over.
  void NoteSpinEnd(std::int64_t win, bool bonusOpened);
  // The round of free spins under way: open from the spin that wins free spins until the last
  // of them has ended.
  const std::optional<FreeRound>& freeRound() const { return round_; }
  // Once the last free spin has ended, the round it closes; nothing otherwise.
  std::optional<FreeRound> CloseFreeRound();
  // A game is over: whether the run goes on, from `balance`; when not, auto-play is now off.
  bool AutoPlayGoesOn(std::int64_t balance);

  // An interrupted game continues with its counters, and shows its last spin's lines again.
  void Restore(std::int32_t freeSpins, bool autoPlay);
  void FindLinesOf(const ReelWindow& reels) { EvaluateLines(reels, lines_); }
  // Lines shown without a spin: a view set up on its own, in the gallery, a bench or a test.
  void ShowLines(const WinningLineFlags& lines) { lines_ = lines; }
  // A new run starts with none waiting and auto-play off.
  void Reset() { Restore(0, false); }

  std::int32_t freeSpins() const { return freeSpins_; }
  bool autoPlay() const { return autoPlay_; }
  // The spins left in a counted run; none in a run until stopped.
  std::optional<std::int64_t> autoPlaySpinsLeft() const;
  const WinningLineFlags& winningLines() const { return lines_; }

 private:
  std::int32_t freeSpins_ = 0;
  bool autoPlay_ = false;
  AutoPlayChoices choices_;
  std::int64_t spinsLeft_ = 0;  // of a counted run
  bool limitReached_ = false;   // a spin reached a limit: the run ends with its game
  std::optional<FreeRound> round_;
  bool spinIsFree_ = false;  // the spin under way, or last ended, is a free one
  WinningLineFlags lines_{};
};

}  // namespace tarvolenka
