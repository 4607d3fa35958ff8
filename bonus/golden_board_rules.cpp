#include "bonus/golden_board_rules.h"

#include <algorithm>

#include "bonus/draw_cell.h"
#include "bonus/resumable_window.h"

namespace tarvolenka {

void GoldenBoardRules::Deal(int allowedFouls, Random& rng) {
  allowedFouls_ = allowedFouls;
  cells_.fill(kCoin);
  covered_.fill(true);
  for (int foul = 0; foul < kBoardFouls; ++foul)
    cells_[DrawCellWhere(rng, cells_, [](std::uint8_t v) { return v == kCoin; })] = kFoul;
  fouls_ = 0;
  rung_ = 0;
}

std::optional<BoardPick> GoldenBoardRules::Pick(int cell) {
  if (cell < 1 || cell > kBoardCells || !covered_[Index(cell)] || Over()) return std::nullopt;
  covered_[Index(cell)] = false;
  const bool coin = IsCoin(cell);
  if (coin)
    rung_ += 1;
  else
    fouls_ += 1;
  return BoardPick{coin, Over()};
}

int GoldenBoardRules::UncoverNext() {
  if (!Over()) return 0;
  for (int cell = 1; cell <= kBoardCells; ++cell) {
    if (!covered_[Index(cell)]) continue;
    covered_[Index(cell)] = false;
    return cell;
  }
  return 0;
}

BonusWindowState GoldenBoardRules::Snapshot() const {
  BonusWindowState s;
  s.dealt = Over() ? ResumableWindow::kFinished : ResumableWindow::kDealt;
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    s.values[i] = cells_[i];
    s.marks[i] = covered_[i] ? 0 : 1;
  }
  s.counts[0] = static_cast<std::uint8_t>(fouls_);
  s.counts[1] = static_cast<std::uint8_t>(rung_);
  return s;
}

void GoldenBoardRules::Restore(const BonusWindowState& state, int allowedFouls) {
  allowedFouls_ = allowedFouls;
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    cells_[i] = static_cast<std::uint8_t>(state.values[i]);
    covered_[i] = state.marks[i] == 0;
  }
  fouls_ = state.counts[0];
  rung_ = std::min<int>(state.counts[1], kBoardCoins);
}

bool GoldenBoardRules::Plausible(const BonusWindowState& state, int allowedFouls) {
  if (allowedFouls < 1 || allowedFouls > kBoardFouls) return false;
  int fouls = 0;
  int foulsUncovered = 0;
  int coinsUncovered = 0;
  for (std::size_t i = 0; i < kBoardCells; ++i) {
    const std::int64_t cell = state.values[i];
    if (cell != kCoin && cell != kFoul) return false;
    if (cell == kFoul) ++fouls;
    if (state.marks[i] != 0) ++(cell == kCoin ? coinsUncovered : foulsUncovered);
  }
  return fouls == kBoardFouls && state.counts[0] == foulsUncovered &&
         state.counts[1] == coinsUncovered && foulsUncovered < allowedFouls;
}

}  // namespace tarvolenka
