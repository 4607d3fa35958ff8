#include "history/history_totals.h"

#include <algorithm>

namespace tarvolenka {

void HistoryTotals::Count(OpenedFile file) {
  if (!file.result) {
    failure_ = std::move(file.result);
    return;
  }
  started_ = true;
  failure_ = {};
  if (file.absent) {
    count_ = HistoryCount{};
    return;
  }
  size_ = file.size;
  if (size_ <= countAtOnceBytes_) {
    count_ = CountHistory(file.fd.get(), size_);
    return;
  }
  job_ = std::make_unique<BackgroundJob<HistoryCount>>(
      [history = std::move(file), progress = &progress_](std::stop_token stop) {
        return CountHistory(history.fd.get(), history.size, stop, progress);
      });
}

void HistoryTotals::Add(std::string_view line, bool game, bool inSession) {
  if (inSession) session_.Add(line);
  Collect(false);
  if (count_) {
    Fold(line, game);
  } else {
    waiting_.emplace_back(line);
    waitingGames_.push_back(game);
  }
}

void HistoryTotals::Fold(std::string_view line, bool game) {
  if (game) ++count_->gameLines;
  if (!count_->stats.Add(line)) ++count_->damaged;
}

void HistoryTotals::Collect(bool wait) {
  if (!job_ || (!wait && !job_->done())) return;
  count_ = job_->Take();
  job_.reset();
  for (std::size_t i = 0; i < waiting_.size(); ++i) Fold(waiting_[i], waitingGames_[i]);
  waiting_.clear();
  waitingGames_.clear();
}

std::optional<std::int64_t> HistoryTotals::gameLines() {
  Collect(false);
  if (!count_ || !count_->result) return std::nullopt;
  return count_->gameLines;
}

void HistoryTotals::Trimmed(std::int64_t droppedGameLines, std::int64_t droppedDamaged) {
  Collect(false);
  if (!count_) return;
  count_->gameLines = std::max<std::int64_t>(0, count_->gameLines - droppedGameLines);
  count_->damaged = std::max<std::int64_t>(0, count_->damaged - droppedDamaged);
}

HistoryFigures HistoryTotals::Figures() {
  Collect(false);
  HistoryFigures figures;
  figures.stats.session = session_;
  if (!started_) {
    figures.state = HistoryFigures::State::Unreadable;
    figures.failure = failure_;
  } else if (!count_) {
    figures.state = HistoryFigures::State::Counting;
    const off_t done = progress_.load(std::memory_order_relaxed);
    figures.percentCounted = size_ > 0 ? static_cast<int>(100 * done / size_) : 0;
  } else if (!count_->result) {
    figures.state = HistoryFigures::State::Unreadable;
    figures.failure = count_->result;
  } else {
    figures.stats.lifetime = count_->stats;
    figures.damaged = count_->damaged;
  }
  return figures;
}

}  // namespace tarvolenka
