#pragma once

// The figures of the whole history, kept up to date as records are appended, so that opening
// the statistics never reads the file again. The file is counted once a run, when first needed:
// at once when it is small, in the background otherwise. Records appended while it is counted
// wait for the count and are then folded in, in the file's order, as the time played depends on
// it.

#include <sys/types.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_access.h"
#include "history/background_job.h"
#include "history/history_count.h"
#include "history/history_stats.h"

namespace tarvolenka {

// What the statistics can show now.
struct HistoryFigures {
  enum class State : std::uint8_t { Ready, Counting, Unreadable };
  State state = State::Ready;
  StatsPair stats;           // the lifetime figures only when Ready; the session's always
  std::int64_t damaged = 0;  // lines skipped, when Ready
  int percentCounted = 0;    // while Counting
  FileResult failure;        // why, when Unreadable
};

class HistoryTotals {
 public:
  // A history of up to `countAtOnceBytes` is counted on the calling thread.
  explicit HistoryTotals(off_t countAtOnceBytes) : countAtOnceBytes_(countAtOnceBytes) {}

  bool started() const { return started_; }
  // Counts the history open in `file`, as it is before this run appends to it. A file that
  // could not be opened is remembered as the reason, and counted when next asked.
  void Count(OpenedFile file);

  // A record appended after what is counted: `game` for a game, `inSession` when it counts
  // towards this session's figures.
  void Add(std::string_view line, bool game, bool inSession);
  // Game lines in the file, once it is counted.
  std::optional<std::int64_t> gameLines();
  // A trim took the oldest lines out of the file; its totals record holds their figures.
  void Trimmed(std::int64_t droppedGameLines, std::int64_t droppedDamaged);

  HistoryFigures Figures();
  // Waits for the count to end.
  void Wait() { Collect(true); }

 private:
  void Collect(bool wait);
  void Fold(std::string_view line, bool game);

  off_t countAtOnceBytes_;
  bool started_ = false;
  FileResult failure_;  // why the file could not be opened, while it cannot
  off_t size_ = 0;
  std::optional<HistoryCount> count_;  // from the count on, kept up to date
  HistoryStats session_;
  std::vector<std::string> waiting_;  // appended while the count runs, oldest first
  std::vector<bool> waitingGames_;
  std::atomic<off_t> progress_{0};
  std::unique_ptr<BackgroundJob<HistoryCount>> job_;  // last: it reads progress_
};

}  // namespace tarvolenka
