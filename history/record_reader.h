#pragma once

// The history's records read back for the windows: the recent ones from the end of the file,
// or all of them for the tools and tests that want the whole record.

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tarvolenka {

struct HistoryLines {
  std::vector<std::string> lines;  // the readable records, oldest first
  std::int64_t damaged = 0;        // lines skipped because they cannot be read
};

// A hundred games with all their free spins and bonus picks come nowhere near it; a damaged or
// monstrous file is read back no further.
inline constexpr off_t kRecentRecordsMaxBytes = 8 << 20;

// The readable records from the `games`-th last game the history window can list to the end,
// oldest first: read back from the end of the file a chunk at a time, until that game is found,
// the file's start, or kRecentRecordsMaxBytes.
HistoryLines ReadRecentRecords(const std::filesystem::path& path, int games);

// Every readable record of the file, a chunk at a time.
HistoryLines ReadAllRecords(const std::filesystem::path& path);

}  // namespace tarvolenka
