#include "history/history_trim.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>

#include "history/history_count.h"
#include "history/history_stats.h"
#include "history/line_reader.h"

namespace tarvolenka {
namespace {

constexpr std::size_t kCopyChunk = 1u << 20;
// Records appended while a trim runs are a few hundred bytes a game; far more means the file
// was changed by someone else, and the copy no longer fits it.
constexpr off_t kCarryOverMaxBytes = 16 << 20;

// Where the kept part begins: the line of the `keep`-th last game, found reading back from the
// end. Nothing when the file holds no more than `keep` games; `found` counts those it holds.
std::optional<off_t> KeptFrom(int fd, off_t size, std::int64_t keep, const std::stop_token& stop,
                              std::int64_t& found, FileResult& result) {
  std::optional<off_t> cut;
  result = ForEachLineBackward(fd, size, size, [&](const HistoryLine& line) {
             if (stop.stop_requested()) return false;
             if (line.overlong || RecordKind(line.text) != "game") return true;
             if (++found < keep) return true;
             cut = line.start;
             return false;
           }).result;
  if (cut && *cut == 0) return std::nullopt;  // nothing before it to drop
  return cut;
}

FileResult Stopped() {
  return FileFailure("", "stopped", ECANCELED);
}

}  // namespace

PreparedTrim PrepareTrim(const std::filesystem::path& path, int fd, off_t size, std::int64_t keep,
                         const std::stop_token& stop) {
  PreparedTrim trim;
  trim.upTo = size;
  const std::optional<off_t> cut = KeptFrom(fd, size, keep, stop, trim.keptGameLines, trim.result);
  if (stop.stop_requested()) trim.result = Stopped();
  if (!trim.result || !cut) return trim;

  // The dropped records, the old totals among them, become the new totals.
  const HistoryCount dropped = CountHistory(fd, *cut, stop);
  if (dropped.stopped) trim.result = Stopped();
  if (!dropped.result) trim.result = dropped.result;
  if (!trim.result) return trim;
  trim.droppedDamaged = dropped.damaged;

  std::filesystem::path temporary;
  const std::string totals = dropped.stats.TotalsLine() + '\n';
  trim.result = WriteTemporaryFile(path, totals, {LinkRule::Refuse, false, 0}, temporary);
  if (!trim.result) return trim;
  trim.written = static_cast<off_t>(totals.size());
  std::string chunk;
  for (off_t at = *cut; at < size && trim.result;) {
    if (stop.stop_requested()) {
      trim.result = Stopped();
      break;
    }
    const auto want = static_cast<std::size_t>(std::min<off_t>(kCopyChunk, size - at));
    trim.result = ReadAt(fd, at, want, chunk);
    if (trim.result && chunk.size() != want)
      trim.result = FileFailure(path.string(), "shorter than when the trim began", EIO);
    at += static_cast<off_t>(want);
    // A torn last line is ended, so that it does not swallow the record that follows it.
    const bool last = at >= size;
    if (last && !chunk.empty() && chunk.back() != '\n') chunk += '\n';
    if (trim.result) trim.result = AppendToFile(temporary, chunk, last);
    trim.written += static_cast<off_t>(chunk.size());
  }
  if (!trim.result) {
    RemoveFile(temporary);
    return trim;
  }
  trim.temporary = std::move(temporary);
  return trim;
}

FinishedTrim FinishTrim(const std::filesystem::path& path, const PreparedTrim& trim) {
  FinishedTrim finished;
  finished.replaced = OpenForReading(path, LinkRule::Refuse);
  const OpenedFile& history = finished.replaced;
  FileResult& result = finished.result;
  result = history.result;
  if (result && (history.absent || history.size < trim.upTo))
    result = FileFailure(path.string(), "changed while it was trimmed", ESTALE);
  if (result && history.size - trim.upTo > kCarryOverMaxBytes)
    result = FileFailure(path.string(), "grew too much while it was trimmed", EFBIG);
  // The copy as it was written, not one a write elsewhere left under its name.
  if (result && OpenForReading(trim.temporary, LinkRule::Refuse).size != trim.written)
    result = FileFailure(trim.temporary.string(), "changed before it was renamed", ESTALE);
  std::string appended;
  if (result) result = ReadAt(history.fd.get(), trim.upTo, history.size - trim.upTo, appended);
  if (result && !appended.empty()) result = AppendToFile(trim.temporary, appended, true);
  if (result) {
    result = CommitTemporaryFile(trim.temporary, path, true);
  } else {
    RemoveFile(trim.temporary);
  }
  return finished;
}

}  // namespace tarvolenka
