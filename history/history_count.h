#pragma once

// One pass over the history, a chunk at a time: the figures of its records, its game lines and
// its damaged lines. The statistics' running totals start from it, and a trim folds the records
// it drops with it.

#include <sys/types.h>

#include <atomic>
#include <cstdint>
#include <stop_token>

#include "core/file_access.h"
#include "history/history_stats.h"

namespace tarvolenka {

struct HistoryCount {
  HistoryStats stats;
  std::int64_t gameLines = 0;  // lines of the kind "game", readable or not, as a trim counts them
  std::int64_t damaged = 0;    // lines skipped because they cannot be read
  FileResult result;
  bool stopped = false;  // asked to stop before the end
};

// Counts [0, size) of the open history. `progress`, when given, follows the bytes counted.
HistoryCount CountHistory(int fd, off_t size, const std::stop_token& stop = {},
                          std::atomic<off_t>* progress = nullptr);

}  // namespace tarvolenka
