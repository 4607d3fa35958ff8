#pragma once

// What was in flight when the game last wrote its resume file: the state to continue from, the
// generator's seed, and the open step with everything needed to finish it exactly.

#include <array>
#include <cstdint>

#include "core/game_state.h"
#include "core/reels.h"

namespace tarvolenka {

enum class InFlight : std::uint8_t {
  Spin = 1,        // a spin turning: its seed and the reels at its start
  FreeSpins = 2,   // free spins waiting to be played
  Bonus = 3,       // a bonus game somewhere between the pause before the chooser and its pay
  DoubleUp = 4,    // the double-up open with an amount in hand
  SpinPaid = 5,    // a spin's line win paid, its bonus step and free spins award still to come
  TimedBonus = 6,  // the timed bonus taken, its window open, not yet paid
  MegaBonus = 7,   // the mega bonus taken: its wheel as dealt, running or rested, not yet paid
  LevelUp = 8,     // a level reached, its window open, its award not yet paid
};

// Where the bonus sequence stands. A window stage with nothing dealt opens the window anew from
// the recorded seed, so it deals what it would have dealt.
enum class BonusStageId : std::uint8_t {
  BeforeChooser = 0,
  Chooser,
  Bottles,
  Cups,
  Meze,
  GoldenPick,
  GoldenBoard,
  Result,  // the result screen, its win not yet paid
  Paid,    // paid; the spin's free spins are still to be awarded
  Count
};

// What a bonus window has dealt and what has been picked in it.
struct BonusWindowState {
  static constexpr std::size_t kCells = 24;
  std::uint8_t dealt = 0;
  std::array<std::int64_t, kCells> values{};  // what lies under each cell
  std::array<std::uint8_t, kCells> marks{};   // what was picked or opened, by cell
  std::array<std::uint8_t, 6> counts{};       // the window's own counters

  friend bool operator==(const BonusWindowState&, const BonusWindowState&) = default;
};

// The bonus game of one spin as it stands: what the chooser and the games have given so far.
// The bonus rules own it; the resume file keeps it and the history reads it.
struct BonusRound {
  std::int32_t symbolCount = 0;  // bonus symbols on the reels: they scale the prizes
  std::uint8_t choice = 0;       // the game the chooser gave: 1 drinks, 2 meze, 3 golden; 0 none
  std::int32_t multiplier = 0;   // the bottle's multiplier, 1 for the other games
  // The game's result per unit of stake while it plays; the credited amount once paid. Kept in
  // 64 bits: the golden board's top prize times a large stake per line exceeds 32 bits.
  std::int64_t amount = 0;
  std::int32_t bottleChoice = 0;  // the bottle picked, 1..5: the drink the cups are filled with
  std::uint8_t goldenPick = 0;    // the fouls the golden pick allows the board: 2..4

  friend bool operator==(const BonusRound&, const BonusRound&) = default;
};

struct ResumeRecord {
  static constexpr std::size_t kMaxBases = 2;

  InFlight kind = InFlight::Spin;
  // The save images the record applies on top of; any other save is newer than the record.
  std::uint8_t baseCount = 0;
  std::array<SaveBytes, kMaxBases> bases{};

  GameState state;
  std::uint32_t seed = 0;  // the generator; for a spin, its seed at the spin's start
  ReelWindow reels;        // for a spin, the reels at its start
  std::int32_t freeSpins = 0;
  std::uint8_t autoPlay = 0;

  BonusStageId stage = BonusStageId::BeforeChooser;
  BonusRound round;
  BonusWindowState window;

  std::int64_t doubleAmount = 0;

  // Why the record holds what play cannot produce, or nothing: a hand-made or damaged record
  // with a valid checksum must never pay a negative amount or lock a window.
  const char* Implausible() const;

  bool AppliesOn(const SaveBytes& save) const {
    for (std::size_t i = 0; i < baseCount && i < kMaxBases; ++i)
      if (bases[i] == save) return true;
    return false;
  }

  friend bool operator==(const ResumeRecord&, const ResumeRecord&) = default;
};

}  // namespace tarvolenka
