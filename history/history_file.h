#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/date_time.h"
#include "core/game_log.h"
#include "core/save_file.h"
#include "history/background_job.h"
#include "history/history_totals.h"
#include "history/history_trim.h"
#include "history/record_reader.h"

namespace tarvolenka {

inline constexpr const char* kHistoryFileName = "Tarvolenka.history";
inline constexpr std::int64_t kHistoryKeptGames = 10000;
inline constexpr std::int64_t kHistoryTrimAbove = kHistoryKeptGames + kHistoryKeptGames / 10;
// A few thousand games, counted in a few milliseconds; a larger history is counted in the
// background.
inline constexpr off_t kHistoryCountAtOnceBytes = 1 << 20;
// The kept game under way is one record line.
inline constexpr std::size_t kOpenGameMaxBytes = 64u << 10;

// The history beside a save: same folder, its own name. Nothing for an empty save path.
std::filesystem::path HistoryPathBeside(const std::filesystem::path& save);

struct HistoryOptions {
  std::int64_t keptGames = kHistoryKeptGames;
  std::int64_t trimAbove = kHistoryTrimAbove;
  off_t countAtOnceBytes = kHistoryCountAtOnceBytes;
};

// When this run's session began: its first record's time, or later than any record before one
// is written.
using SessionStart = std::function<DateTime()>;

// The player's record: one JSON object per line, appended as games end. A totals record may
// head the file, holding the sums of the games trimmed away. An empty path keeps nothing.
//
// Nothing here reads the whole file on the caller's thread once it is large: the statistics'
// figures are running totals, counted once a run and kept up to date by each append, and a
// file past `trimAbove` games is trimmed in the background, the caller's thread only renaming
// the trimmed copy over it at a later append.
class HistoryFile : public GameLog {
 public:
  explicit HistoryFile(std::filesystem::path path, HistoryOptions options = {})
      : path_(std::move(path)), options_(options), totals_(options.countAtOnceBytes) {}
  // A trim done in the background lands; one still under way is stopped and leaves nothing.
  ~HistoryFile() override;
  HistoryFile(const HistoryFile&) = delete;
  HistoryFile& operator=(const HistoryFile&) = delete;

  bool keeps() const override { return !path_.empty(); }
  const std::filesystem::path& path() const { return path_; }
  std::string fileName() const override { return path_.filename().string(); }

  // Appends one record and its line end in a single write, so a crash leaves at most one torn
  // last line. A game record past `trimAbove` games starts a trim.
  SaveResult Append(std::string_view line, bool game) override;

  // Every readable record: for the tools and tests that want the whole record.
  HistoryLines Read() const;
  // The last `count` games the history window lists, read back from the end of the file.
  std::vector<PastGame> ReadRecentGames(int count) const;

  // The figures of the whole history and of this session, as far as they are known.
  HistoryFigures Figures();
  // The session whose records the figures count apart.
  void FollowSession(SessionStart start) { sessionStart_ = std::move(start); }

  // The game under way, kept beside the history while its free spins are still to come, so
  // that a game the program ends in the middle of is finished at the next start with the spins
  // it had. Written over, without a sync: it only has to outlive the process.
  std::filesystem::path openGamePath() const { return path_.string() + ".open"; }
  SaveResult KeepOpenGame(std::string_view line) override;
  // The kept game's line, read back when it can be, and the file is gone.
  std::optional<OpenGame> TakeOpenGame() override;
  void DropOpenGame() override;

  // Keeps the last `keep` games now, on the calling thread: the older records are folded into
  // the totals record at the head, and the new file replaces the old by a rename.
  SaveResult Trim(std::int64_t keep = kHistoryKeptGames);
  // Waits for the count and for a trim under way, and lands the trim.
  SaveResult Settle();

 private:
  SaveResult EndTornLine(std::string& record);
  void StartTrimWhenDue();
  SaveResult LandTrim(bool wait);
  SaveResult Land(const PreparedTrim& trim, std::optional<std::int64_t> gameLinesBefore);

  std::filesystem::path path_;
  HistoryOptions options_;
  SessionStart sessionStart_;
  bool endChecked_ = false;  // the last line of an earlier run is known to be whole
  HistoryTotals totals_;
  std::int64_t gameLinesAtTrim_ = 0;  // when the trim under way began
  std::int64_t trimAgainAt_ = 0;      // game lines before a failed trim is tried again
  std::unique_ptr<BackgroundJob<PreparedTrim>> trim_;
  // Closes the history a trim replaced, freeing its blocks off the caller's thread.
  std::unique_ptr<BackgroundJob<bool>> release_;
};

}  // namespace tarvolenka
