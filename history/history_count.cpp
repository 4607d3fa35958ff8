#include "history/history_count.h"

#include "history/line_reader.h"

namespace tarvolenka {

HistoryCount CountHistory(int fd, off_t size, const std::stop_token& stop,
                          std::atomic<off_t>* progress) {
  HistoryCount count;
  count.result = ForEachLine(
      fd, 0, size,
      [&](const HistoryLine& line) {
        if (progress != nullptr) progress->store(line.start, std::memory_order_relaxed);
        if (line.overlong) {
          ++count.damaged;
        } else if (!line.text.empty() && !CutShort(line)) {
          if (RecordKind(line.text) == "game") ++count.gameLines;
          if (!count.stats.Add(line.text)) ++count.damaged;
        }
        return true;
      },
      stop);
  count.stopped = stop.stop_requested();
  if (progress != nullptr) progress->store(size, std::memory_order_relaxed);
  return count;
}

}  // namespace tarvolenka
