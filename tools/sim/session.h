#pragma once

// One thread's machine: the game's own rules, played spin after spin as a player at the machine
// would, with the money of every paid spin followed through its bonus game, the free spins it
// awards and the double-up. No window is shown: the reels, the bonus round and the games are
// played on their rules objects, with the draws in the order the game's windows make them.

#include <array>
#include <cstdint>

#include "bonus/bonus_rules.h"
#include "core/random.h"
#include "core/reels.h"
#include "exact/exact.h"
#include "tools/sim/double_strategy.h"
#include "tools/sim/rules_player.h"
#include "tools/sim/sim_random.h"

namespace tarvolenka::sim {

struct Settings {
  int lines = 50;  // lines played: they set the stake, not which lines pay
  int stake = 1;   // stake per line
  DoubleStrategy doubleUp;
};

// What the exact figures of a run are worked out for.
inline ExactPlay ExactPlayOf(const Settings& settings) {
  return {settings.lines, settings.doubleUp.plays() ? settings.doubleUp.stopRung() : 0};
}

// What one spin, paid or free, showed and paid, in credits.
struct SpinResult {
  std::int64_t lineWin = 0;
  std::int64_t multiplierLineWin = 0;  // of it, from lines whose run holds a multiplier
  std::int64_t bonusWin = 0;
  int bonusGame = 0;  // the game played, 0 for none
  int bonusSymbols = 0;
  int scatters = 0;
  int freeSpinsAwarded = 0;
};

// What one paid spin brought with everything it led to, in credits, by source.
struct PaidSpinResult {
  std::int64_t lines = 0;            // the paid spin's line win
  std::int64_t multiplierLines = 0;  // of it, from lines whose run holds a multiplier
  std::int64_t freeSpins = 0;        // all won in the free spins it led to: lines and bonus games
  std::array<std::int64_t, kBonusGames> bonus{};  // the paid spin's bonus win, by game
  std::int64_t gambled = 0;                       // the win taken into the double-up
  std::int64_t doubleUp = 0;  // what the double-up added: negative when the win was lost
  int freeSpinsPlayed = 0;
  std::int64_t total() const;
};

class Session {
 public:
  // Warm-up spins run the reels in from the start-up fill, unrecorded.
  static constexpr int kWarmUpSpins = 2;

  Session(const Settings& settings, std::uint64_t seed);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // One paid spin, the free spins it awards (and those they award) and, when play returns to
  // the player with a win, the double-up. `each` sees every spin, paid or free.
  template <class EachSpin>
  PaidSpinResult PlayPaidSpin(EachSpin&& each);

  // The reels only: a re-seed, the advances of the stop schedule and the line pay, per unit of
  // stake per line. The line-only spin of the benchmark.
  std::int64_t SpinLinesOnly();

  const Settings& settings() const { return settings_; }
  const ReelWindow& reels() const { return reels_; }

 private:
  SpinResult PlaySpin();
  void RunReels();
  std::int64_t Gamble(std::int64_t win);

  Settings settings_;
  std::int32_t lineStake_;
  Stream stream_;
  Random rng_;  // the game's generator
  ReelWindow reels_;
  BonusRules bonus_;
  RulesPlayer player_;
};

template <class EachSpin>
PaidSpinResult Session::PlayPaidSpin(EachSpin&& each) {
  PaidSpinResult result;
  SpinResult spin = PlaySpin();
  each(spin);
  result.lines = spin.lineWin;
  result.multiplierLines = spin.multiplierLineWin;
  if (spin.bonusGame > 0)
    result.bonus[static_cast<std::size_t>(spin.bonusGame - 1)] = spin.bonusWin;
  int pending = spin.freeSpinsAwarded;
  while (pending > 0) {
    --pending;
    ++result.freeSpinsPlayed;
    spin = PlaySpin();
    each(spin);
    result.freeSpins += spin.lineWin + spin.bonusWin;
    pending += spin.freeSpinsAwarded;
  }
  // The double-up is offered once play returns to the player, on the last spin's win.
  const std::int64_t lastWin = spin.lineWin + spin.bonusWin;
  if (settings_.doubleUp.plays() && lastWin > 0) {
    result.gambled = lastWin;
    result.doubleUp = Gamble(lastWin);
  }
  return result;
}

}  // namespace tarvolenka::sim
