#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game_log.h"
#include "core/save_file.h"
#include "history/history_stats.h"
#include "history/record_reader.h"

namespace tarvolenka {

inline constexpr const char* kHistoryFileName = "Tarvolenka.history";
inline constexpr std::int64_t kHistoryKeptGames = 10000;
inline constexpr std::int64_t kHistoryTrimAbove = kHistoryKeptGames + kHistoryKeptGames / 10;
// Far above what the kept games and their awards fill: a larger file is not read whole.
inline constexpr std::size_t kHistoryMaxBytes = 64u << 20;
// The kept game under way is one record line.
inline constexpr std::size_t kOpenGameMaxBytes = 64u << 10;

// The history beside a save: same folder, its own name. Nothing for an empty save path.
std::filesystem::path HistoryPathBeside(const std::filesystem::path& save);

// The player's record: one JSON object per line, appended as games end. A totals record may
// head the file, holding the sums of the games trimmed away. An empty path keeps nothing.
class HistoryFile : public GameLog {
 public:
  explicit HistoryFile(std::filesystem::path path) : path_(std::move(path)) {}

  bool keeps() const override { return !path_.empty(); }
  const std::filesystem::path& path() const { return path_; }
  std::string fileName() const override { return path_.filename().string(); }

  // Appends one record and its line end in a single write, so a crash leaves at most one torn
  // last line. A game record past kHistoryTrimAbove games trims the file.
  SaveResult Append(std::string_view line, bool game) override;

  // Every readable record: for the tools and tests that want the whole record.
  HistoryLines Read() const;
  // The records from the `games`-th last listable game on, read back from the end of the file.
  HistoryLines ReadRecent(int games) const;

  // The game under way, kept beside the history while its free spins are still to come, so
  // that a game the program ends in the middle of is finished at the next start with the spins
  // it had. Written over, without a sync: it only has to outlive the process.
  std::filesystem::path openGamePath() const { return path_.string() + ".open"; }
  SaveResult KeepOpenGame(std::string_view line) override;
  // The kept game's line, read back when it can be, and the file is gone.
  std::optional<OpenGame> TakeOpenGame() override;
  void DropOpenGame() override;

  // Keeps the last kHistoryKeptGames games: the older records are folded into the totals
  // record at the head, and the new file replaces the old by a rename.
  SaveResult Trim(std::int64_t keep = kHistoryKeptGames);

 private:
  std::filesystem::path path_;
  std::int64_t games_ = -1;  // game records in the file, counted at the first append
};

}  // namespace tarvolenka
