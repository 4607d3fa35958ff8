#pragma once

// Trimming the history without holding up play. The trimmed copy (a totals record folding the
// oldest records in, then the last games as they stand) is written beside the history from what
// the file held when the trim began, off the UI thread; the UI thread then only carries over the
// records appended since and renames the copy over the history. Killed at any moment, the game
// leaves a whole history: the old file until the rename, the new one after it.

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <stop_token>

#include "core/file_access.h"

namespace tarvolenka {

struct PreparedTrim {
  FileResult result;
  std::filesystem::path temporary;  // the trimmed copy; empty when there was nothing to drop
  off_t written = 0;                // the copy's size
  off_t upTo = 0;                   // the bytes of the history it was made from
  std::int64_t keptGameLines = 0;   // the game lines of those bytes it keeps
  std::int64_t droppedDamaged = 0;  // damaged lines among those it drops
};

// Writes, beside `path`, the copy of the first `size` bytes of the history open as `fd` that
// keeps its last `keep` games and what follows them, flushed to the disk. Asked to stop, it
// leaves nothing behind.
PreparedTrim PrepareTrim(const std::filesystem::path& path, int fd, off_t size, std::int64_t keep,
                         const std::stop_token& stop = {});

struct FinishedTrim {
  FileResult result;
  // The history it replaced, still open: the last close frees its blocks, which takes a while
  // for a large file, so the caller may let it go on another thread.
  OpenedFile replaced;
};

// Carries the bytes appended to the history since the copy was made over to it, and renames it
// over the history. On failure the copy goes and the history stays as it was.
FinishedTrim FinishTrim(const std::filesystem::path& path, const PreparedTrim& trim);

}  // namespace tarvolenka
