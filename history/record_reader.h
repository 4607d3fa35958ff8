#pragma once

// The history read back: the games the history window lists, from the end of the file, or all
// the records for the tools and tests that want the whole record.

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "history/past_game.h"

namespace tarvolenka {

struct HistoryLines {
  std::vector<std::string> lines;  // the readable records, oldest first
  std::int64_t damaged = 0;        // lines skipped because they cannot be read
};

// A hundred games with all their free spins and bonus picks come nowhere near it; a damaged or
// monstrous file is read back no further.
inline constexpr off_t kRecentRecordsMaxBytes = 8 << 20;
// Nor past this many game records that cannot be listed (damaged, or a later version's), each of
// which costs the window a whole parse.
inline constexpr int kRecentUnlistedMax = 1000;

// The last `count` games the history window can list, newest first, each with the double-up
// written after it: read back from the end of the file a chunk at a time, until they are found,
// the file's start, kRecentRecordsMaxBytes or kRecentUnlistedMax games it cannot list.
std::vector<PastGame> ReadRecentGames(const std::filesystem::path& path, int count);

// Every readable record of the file, a chunk at a time.
HistoryLines ReadAllRecords(const std::filesystem::path& path);

}  // namespace tarvolenka
