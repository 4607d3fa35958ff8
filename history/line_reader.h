#pragma once

// The history's lines, read from an open file a bounded chunk at a time, forwards or backwards,
// so that a history of any size costs no more memory than a chunk and its longest record.

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <stop_token>
#include <string_view>

#include "core/file_access.h"

namespace tarvolenka {

// Far longer than any record the game writes (a game kept under way fits in 64 KiB): a longer
// line is damage, and is passed on without its text.
inline constexpr std::size_t kHistoryLineMaxBytes = 1u << 20;

struct HistoryLine {
  std::string_view text;  // without its line end; empty when overlong
  off_t start = 0;        // the offset of its first byte in the file
  bool overlong = false;  // longer than kHistoryLineMaxBytes
  bool unended = false;   // the file's last line, without a line end: an append cut short
};

// Part of a record that an append left cut short: the file's last line, without its line end and
// not one whole JSON value. The next run drops it; until then it is neither a record nor damage.
bool CutShort(const HistoryLine& line);

// Answers whether to go on.
using LineVisitor = std::function<bool(const HistoryLine&)>;

// Each line of [from, to) of the open file, in order; the last one may lack its line end. Stops
// when the visitor says so or `stop` is requested; a file shorter than `to` ends the lines early.
FileResult ForEachLine(int fd, off_t from, off_t to, const LineVisitor& visit,
                       const std::stop_token& stop = {});

struct BackwardRead {
  FileResult result;
  bool budgetSpent = false;  // stopped after reading `budget` bytes, before the file's start
};

// Each line of [0, end) of the open file from the last to the first, reading back from `end` a
// chunk at a time, until the visitor says stop, the file's start, or `budget` bytes read.
BackwardRead ForEachLineBackward(int fd, off_t end, off_t budget, const LineVisitor& visit);

}  // namespace tarvolenka
