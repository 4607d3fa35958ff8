#include "bonus/drinks_rules.h"

#include "bonus/draw_cell.h"
#include "bonus/resumable_window.h"

namespace tarvolenka {

void CupsRules::Deal(std::int64_t bonusSymbols, Random& rng) {
  symbols_ = bonusSymbols;
  prizes_.fill(0);
  for (std::int64_t level : kCupLevels)
    for (int copy = 0; copy < kCupsPerLevel; ++copy)
      prizes_[DrawCellWhere(rng, prizes_, [](std::int64_t v) { return v == 0; })] =
          level * bonusSymbols;
  hits_.fill(0);
  opened_.fill(false);
  result_.reset();
  open_ = true;
}

std::optional<CupPick> CupsRules::Pick(int cup) {
  if (!open_ || cup < 1 || cup > kCups) return std::nullopt;
  CupPick pick;
  pick.prize = prizes_[static_cast<std::size_t>(cup - 1)];
  opened_[static_cast<std::size_t>(cup - 1)] = true;
  for (std::size_t level = 0; level < kCupLevels.size(); ++level) {
    if (pick.prize == kCupLevels[level] * symbols_) hits_[level] += 1;
    if (!pick.result && hits_[level] >= kCupsPerLevel) pick.result = kCupLevels[level] * symbols_;
  }
  if (pick.result) {
    open_ = false;
    result_ = pick.result;
  }
  return pick;
}

BonusWindowState CupsRules::Snapshot() const {
  BonusWindowState s;
  s.dealt = open_ ? ResumableWindow::kDealt : ResumableWindow::kFinished;
  for (std::size_t i = 0; i < prizes_.size(); ++i) {
    s.values[i] = prizes_[i];
    s.marks[i] = opened_[i] ? 1 : 0;
  }
  for (std::size_t level = 0; level < hits_.size(); ++level) s.counts[level] = hits_[level];
  return s;
}

void CupsRules::Restore(const BonusWindowState& state, std::int64_t bonusSymbols) {
  symbols_ = bonusSymbols;
  for (std::size_t i = 0; i < prizes_.size(); ++i) {
    prizes_[i] = state.values[i];
    opened_[i] = state.marks[i] != 0;
  }
  for (std::size_t level = 0; level < hits_.size(); ++level) hits_[level] = state.counts[level];
  result_.reset();
  open_ = true;
}

bool CupsRules::Plausible(const BonusWindowState& state, std::int64_t bonusSymbols) {
  if (bonusSymbols < 1) return false;
  for (std::size_t level = 0; level < kCupLevels.size(); ++level) {
    int cups = 0;
    int opened = 0;
    for (std::size_t i = 0; i < kCups; ++i) {
      if (state.values[i] != kCupLevels[level] * bonusSymbols) continue;
      ++cups;
      if (state.marks[i] != 0) ++opened;
    }
    const int hits = state.counts[level];
    if (cups != kCupsPerLevel || hits < opened || hits >= kCupsPerLevel) return false;
  }
  return true;
}

}  // namespace tarvolenka
