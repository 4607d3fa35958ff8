#pragma once

// The player's statistics, worked out from the history's records.

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/arith.h"
#include "core/date_time.h"

namespace tarvolenka {

struct HistoryStats {
  std::int64_t games = 0;
  std::int64_t staked = 0;  // stakes of paid spins
  std::int64_t won = 0;     // line wins and bonus games of those games
  std::int64_t winningGames = 0;
  std::int64_t biggestWin = 0;
  DateTime biggestWinTime = 0;
  std::array<std::int64_t, 4> bonusGames{};  // by kind: no pick, drinks, meze, golden
  std::array<std::int64_t, 4> bonusPaid{};
  std::int64_t freeSpinsWon = 0;
  std::int64_t doubleUps = 0;
  std::int64_t doublesWon = 0;
  std::int64_t doublesLost = 0;
  std::int64_t doubleStaked = 0;
  std::int64_t doubleCollected = 0;
  std::int64_t levelUps = 0;
  std::int64_t levelAwards = 0;
  std::int64_t timedBonuses = 0;
  std::int64_t timedAwards = 0;
  std::int64_t secondsPlayed = 0;
  std::int64_t highestLevel = 0;
  DateTime lastTime = 0;  // of the last record folded in, for the time played

  // All the player's money taken and credited: stakes and double-up stakes; wins, awards and
  // double-up collections.
  std::int64_t taken() const { return SatAdd(staked, doubleStaked); }
  std::int64_t credited() const {
    return SatAdd(SatAdd(won, doubleCollected), SatAdd(levelAwards, timedAwards));
  }
  double returnPercent() const { return staked > 0 ? 100.0 * double(won) / double(staked) : 0; }
  double hitRatePercent() const {
    return games > 0 ? 100.0 * double(winningGames) / double(games) : 0;
  }

  // Folds in one record; false when the line is not a record this version can read.
  bool Add(std::string_view line);
  // Folds in another set of figures, as the totals record of trimmed games holds them.
  void Merge(const HistoryStats& other);
  std::string TotalsLine() const;
};

// A top-level number of a record by its key, which appears nowhere else in the record.
std::optional<std::int64_t> RecordNumber(std::string_view line, std::string_view key);
std::optional<double> RecordReal(std::string_view line, std::string_view key);
std::string_view RecordKind(std::string_view line);

// Lifetime figures of every record, and the session's of those from `sessionStart` on.
struct StatsPair {
  HistoryStats lifetime;
  HistoryStats session;
};
StatsPair ComputeStats(const std::vector<std::string>& lines, DateTime sessionStart);

}  // namespace tarvolenka
