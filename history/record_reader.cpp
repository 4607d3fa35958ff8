#include "history/record_reader.h"

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

std::vector<PastGame> ReadRecentGames(const std::filesystem::path& path, int count) {
  RecentGamesGatherer gatherer(count);
  const OpenedFile file = OpenForReading(path, LinkRule::Refuse);
  if (!file.result || file.absent || count <= 0) return {};
  ForEachLineBackward(
      file.fd.get(), file.size, kRecentRecordsMaxBytes, [&gatherer](const HistoryLine& line) {
        if (line.text.empty() || !Readable(line)) return true;
        return gatherer.TakeEarlier(line.text) && gatherer.unlisted() < kRecentUnlistedMax;
      });
  return gatherer.Take();
}

HistoryLines ReadAllRecords(const std::filesystem::path& path) {
  HistoryLines read;
  const OpenedFile file = OpenForReading(path, LinkRule::Refuse);
  if (!file.result || file.absent) return read;
  ForEachLine(file.fd.get(), 0, file.size, [&read](const HistoryLine& line) {
    if ((line.text.empty() && !line.overlong) || CutShort(line)) return true;
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
