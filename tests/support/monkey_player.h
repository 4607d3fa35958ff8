#pragma once

// A seeded random player for reliability runs. At random virtual moments it clicks any element
// of whatever window is showing, now and then closes a window by the window system or moves
// the clock on an hour, and sometimes waits for a moment whose spin brings a bonus or free
// spins. After every event it checks the game's promises: the money ledger balances, the
// balance is never negative, no reel holds a symbol twice, the controls are inert while the
// reels turn, every window closes once its game is played.

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "game/game.h"
#include "tests/support/money_ledger.h"
#include "tests/support/virtual_desktop.h"

namespace tarvolenka::testing {

// A game that makes the rare events come up often: rich, an award a few spins away, the mega
// bonus due as the next timed bonus, and that bonus due now.
GameState RichGameState(DateTime now);

struct MonkeyCounts {
  std::int64_t events = 0;
  std::int64_t moves = 0;
  std::int64_t windowCloses = 0;
  std::int64_t clockJumps = 0;
  std::int64_t aimedStarts = 0;
  std::int64_t inertChecks = 0;
  std::int64_t autoPlaySpins = 0;
  std::int64_t longestModalMs = 0;
  std::array<std::int64_t, kWindowCount> opened{};
};

class MonkeyPlayer {
 public:
  MonkeyPlayer(VirtualDesktop& desk, Game& game, std::uint64_t seed);

  // Takes over the started game: scripts every move and checks every event.
  void Attach();
  // Plays until at least `events` more events have happened; throws InvariantBroken, with the
  // seed and the event in its message, at the first broken promise.
  void Play(std::int64_t events);

  const MonkeyCounts& counts() const { return counts_; }
  const MoneyLedger& ledger() const { return ledger_; }
  std::string Summary() const;

 private:
  enum class Intent { Click, Start, Close, ClockJump };

  void NextMove();
  void Move(Intent intent);
  void ClickAnything(WindowId window);
  void Click(ElementRef element);
  void ClickWhileTurning(ElementRef element);
  int AimedDelay();
  void Observe();
  void CheckInvariants();
  bool Busy() const;
  int Roll(int below);

  VirtualDesktop& desk_;
  Game& game_;
  std::uint64_t seed_;
  std::mt19937_64 rng_;
  MoneyLedger ledger_;
  MonkeyCounts counts_;
  std::array<bool, kWindowCount> wasShown_{};
  bool timer5WasOn_ = false;
  bool spinningBefore_ = false;
  WindowId modalTop_ = WindowId::Main;
  std::int64_t modalSince_ = 0;
};

}  // namespace tarvolenka::testing
