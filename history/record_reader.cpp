#include "history/record_reader.h"

#include <algorithm>

#include "history/history_stats.h"
#include "history/line_reader.h"
#include "history/past_game.h"

namespace tarvolenka {
namespace {

// Whether a line is a record this version can read: the lines the windows see.
bool Readable(const HistoryLine& line) {
  HistoryStats probe;
  return !line.overlong && probe.Add(line.text);
}

}  // namespace

HistoryLines ReadRecentRecords(const std::filesystem::path& path, int games) {
  HistoryLines read;
  const OpenedFile file = OpenForReading(path, LinkRule::Refuse);
  if (!file.result || file.absent || games <= 0) return read;
  int found = 0;
  ForEachLineBackward(
      file.fd.get(), file.size, kRecentRecordsMaxBytes, [&](const HistoryLine& line) {
        if (line.text.empty() && !line.overlong) return true;
        if (!Readable(line)) {
          ++read.damaged;
          return true;
        }
        read.lines.emplace_back(line.text);
        const bool listed = RecordKind(line.text) == "game" && ParseGame(line.text).has_value();
        return !listed || ++found < games;
      });
  std::reverse(read.lines.begin(), read.lines.end());
  return read;
}

HistoryLines ReadAllRecords(const std::filesystem::path& path) {
  HistoryLines read;
  const OpenedFile file = OpenForReading(path, LinkRule::Refuse);
  if (!file.result || file.absent) return read;
  ForEachLine(file.fd.get(), 0, file.size, [&read](const HistoryLine& line) {
    if (line.text.empty() && !line.overlong) return true;
    if (Readable(line)) {
      read.lines.emplace_back(line.text);
    } else {
      ++read.damaged;
    }
    return true;
  });
  return read;
}

}  // namespace tarvolenka
