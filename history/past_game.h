#pragma once

// A game read back from the history, with the double-up that followed it, as the history
// window shows it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game_record.h"

namespace tarvolenka {

struct PastDoubleUp {
  bool interrupted = false;  // open when the program ended: collected at the next start
  std::int64_t staked = 0;
  std::int64_t collected = 0;
  std::optional<std::int64_t> balanceAfter;  // as written; records of old runs may lack it
  std::vector<DoubleStepRecord> steps;
};

struct PastGame {
  DateTime time = 0;
  std::string timeText;  // "YYYY-MM-DD HH:MM:SS" as written
  int lineCount = 0;
  int lineStake = 0;
  int level = 0;
  std::int64_t stake = 0;
  std::int64_t won = 0;
  int freeSpinsWon = 0;
  std::int64_t balanceBefore = 0;
  std::int64_t balanceAfter = 0;
  bool interrupted = false;       // the program ended during it; the next start finished it
  std::vector<SpinRecord> spins;  // the paid spin first; never empty
  std::optional<PastDoubleUp> doubleUp;
};

// A game record; nothing for any other line, or for one whose spins cannot be drawn (a symbol
// or a line out of range).
std::optional<PastGame> ParseGame(std::string_view line);
std::optional<PastDoubleUp> ParseDoubleUp(std::string_view line);

// A game kept under way, read back as the machine goes on gathering it: its beginning and the
// spins it had. Nothing where ParseGame gives nothing.
std::optional<GameRecord> ParseOpenGame(std::string_view line);

// Gathers the last `count` readable games, newest first, each with the double-up written after
// it, from the history's readable records taken from the newest back.
class RecentGamesGatherer {
 public:
  explicit RecentGamesGatherer(int count) : count_(count) {}
  // Takes the record written before those taken so far; false once no more are wanted.
  bool TakeEarlier(std::string_view line);
  // Game records met that cannot be listed.
  int unlisted() const { return unlisted_; }
  std::vector<PastGame> Take() { return std::move(games_); }

 private:
  int count_;
  int unlisted_ = 0;
  std::vector<PastGame> games_;
  std::optional<PastDoubleUp> after_;  // the double-up met since the last game
};

// The last `count` readable games, newest first, each with the double-up written after it.
std::vector<PastGame> RecentGames(const std::vector<std::string>& lines, int count);

}  // namespace tarvolenka
