#pragma once

// The game being played, gathered while it plays so that the history can keep it whole: the
// paid spin and its free spins with their symbols and pays, bonus games and the double-up.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/date_time.h"
#include "core/paylines.h"
#include "core/reels.h"

namespace tarvolenka {

inline constexpr int kHistoryVersion = 1;

struct LineWinRecord {
  int line = 0;  // 1..50
  SymbolId symbol = 0;
  int length = 0;
  std::int64_t factor = 1;
  std::int64_t pay = 0;  // credited, stake per line included
};

// One pick of a bonus game and what it revealed: a bottle's multiplier, a cup's or a meze
// cell's prize, the fouls under a golden cover, a coin (1) or a foul (0) on the golden board.
struct BonusPick {
  const char* stage = "";  // "bottle", "cup", "meze", "cover" or "cell"
  int row = 0;             // the meze row, 1 up; 0 elsewhere
  int choice = 0;          // the element picked, 1 up
  std::int64_t revealed = 0;
};

struct BonusRecord {
  int kind = 0;  // 0 no pick, 1 drinks, 2 meze, 3 golden
  int symbols = 0;
  int multiplier = 0;
  std::vector<BonusPick> picks;
  std::int64_t amount = 0;
};

struct SpinRecord {
  bool free = false;
  std::array<SymbolId, kReels * 3> cells{};  // visible rows 1..3, row by row, reel 1 first
  std::vector<LineWinRecord> wins;
  int scatters = 0;
  int freeSpinsAwarded = 0;
  bool bonusPlayed = false;
  BonusRecord bonus;
};

struct DoubleStepRecord {
  int guess = 0;  // the drink guessed, as the double-up draws it
  int drawn = 0;
  bool joker = false;
};

struct GameRecord {
  bool open = false;  // a paid spin has started and its game is not yet written
  // The program ended during the game and the next start finished it. Picks made in a bonus
  // game that was cut short are not all known, and when the paid spin itself was cut short
  // the balance before it is worked back from the stake and its line win.
  bool interrupted = false;
  DateTime start = 0;
  int lineCount = 0;
  int lineStake = 0;
  int level = 0;
  std::int64_t stake = 0;
  std::int64_t balanceBefore = 0;
  std::vector<SpinRecord> spins;
  // The picks of the bonus game under way, filled by its windows.
  std::vector<BonusPick> bonusPicks;
  // The double-up's steps, filled by its window while it is open.
  std::vector<DoubleStepRecord> doubleSteps;
};

// The cells of the visible rows, the lines that paid with their runs, and the scatters.
SpinRecord RecordSpin(const ReelWindow& reels, const WinningLineFlags& winning,
                      std::int64_t lineStake);

// The history lines, one JSON object each, without the line end. An unfinished game is the
// one kept beside the history while it is under way.
std::string GameLine(const GameRecord& game, std::int64_t balanceAfter, bool unfinished = false);
std::string DoubleUpLine(DateTime time, std::int64_t staked, std::int64_t collected,
                         const std::vector<DoubleStepRecord>& steps, std::int64_t balanceAfter,
                         bool interrupted = false);
// A level-up award or a timed (or mega) bonus, paid between games.
std::string AwardLine(const char* kind, DateTime time, std::int64_t amount, int level,
                      std::int64_t balanceAfter);

// "YYYY-MM-DD HH:MM:SS" of a local date-time.
std::string FormatLocal(DateTime t);

}  // namespace tarvolenka
