#include "bonus/meze_rules.h"

#include <algorithm>
#include <span>

#include "bonus/draw_cell.h"
#include "bonus/resumable_window.h"

namespace tarvolenka {
namespace {

constexpr std::size_t Index(MezeRow row) {
  return static_cast<std::size_t>(row);
}

}  // namespace

void MezeRules::Deal(std::int64_t bonusSymbols, Random& rng) {
  for (auto& row : prizes_) row.fill(0);
  for (MezeRow row : kMezePlacementOrder) {
    auto& cells = prizes_[Index(row)];
    for (std::int64_t prize : MezePrizeSet(row))
      cells[DrawCellWhere(rng, cells, [](std::int64_t v) { return v == 0; })] =
          prize * bonusSymbols;
  }
  picked_.fill(0);
  zeroPicked_ = false;
  open_ = MezeRow::Cabbage;
}

std::optional<std::int64_t> MezeRules::Pick(MezeRow row, int k) {
  if (open_ != row || k < 1 || k > kMezeCells) return std::nullopt;
  const std::int64_t prize = prizes_[Index(row)][static_cast<std::size_t>(k - 1)];
  picked_[Index(row)] = static_cast<std::uint8_t>(k);
  if (prize == 0) zeroPicked_ = true;
  open_.reset();
  last_ = row;
  return prize;
}

void MezeRules::OpenNextRow() {
  if (Over() || open_) return;
  open_ = static_cast<MezeRow>(Index(last_) + 1);
}

bool MezeRules::Over() const {
  return zeroPicked_ || picked_[Index(MezeRow::Turnip)] != 0;
}

std::int64_t MezeRules::total() const {
  std::int64_t sum = 0;
  for (std::size_t row = 0; row < prizes_.size(); ++row)
    if (picked_[row] != 0) sum += prizes_[row][picked_[row] - 1u];
  return sum;
}

BonusWindowState MezeRules::Snapshot() const {
  BonusWindowState s;
  s.dealt = Over() ? ResumableWindow::kFinished : ResumableWindow::kDealt;
  for (std::size_t row = 0; row < prizes_.size(); ++row)
    for (std::size_t k = 0; k < prizes_[row].size(); ++k) {
      s.values[row * kMezeCells + k] = prizes_[row][k];
      s.marks[row * kMezeCells + k] = picked_[row] == k + 1 ? 1 : 0;
    }
  s.counts[0] = zeroPicked_ ? 1 : 0;
  return s;
}

// The rows played keep their picks; the first row without one is open, unless a zero ended it.
void MezeRules::Restore(const BonusWindowState& state) {
  picked_.fill(0);
  for (std::size_t row = 0; row < prizes_.size(); ++row)
    for (std::size_t k = 0; k < prizes_[row].size(); ++k) {
      prizes_[row][k] = state.values[row * kMezeCells + k];
      if (state.marks[row * kMezeCells + k] != 0) picked_[row] = static_cast<std::uint8_t>(k + 1);
    }
  zeroPicked_ = state.counts[0] != 0;
  open_.reset();
  for (std::size_t row = 0; row < picked_.size(); ++row) {
    if (picked_[row] != 0) {
      last_ = static_cast<MezeRow>(row);
      continue;
    }
    if (!zeroPicked_) open_ = static_cast<MezeRow>(row);
    break;
  }
}

bool MezeRules::Plausible(const BonusWindowState& state, std::int64_t bonusSymbols) {
  if (bonusSymbols < 1) return false;
  bool ended = false;  // a row without a pick, or a zero, has been passed
  bool zeroPicked = false;
  for (std::size_t row = 0; row < kMezeRows; ++row) {
    std::array<std::int64_t, kMezeCells> dealt{};
    std::array<std::int64_t, kMezeCells> expected{};
    int picks = 0;
    std::int64_t picked = 0;
    for (std::size_t k = 0; k < kMezeCells; ++k) {
      dealt[k] = state.values[row * kMezeCells + k];
      if (state.marks[row * kMezeCells + k] != 0) {
        ++picks;
        picked = dealt[k];
      }
    }
    const auto prizes = MezePrizeSet(static_cast<MezeRow>(row));
    for (std::size_t k = 0; k < prizes.size(); ++k) expected[k] = prizes[k] * bonusSymbols;
    std::ranges::sort(dealt);
    std::ranges::sort(expected);
    if (dealt != expected || picks > 1 || (picks == 1 && ended)) return false;
    if (picks == 0 || picked == 0) ended = true;
    if (picks == 1 && picked == 0) zeroPicked = true;
  }
  const bool topPicked =
      std::ranges::any_of(std::span(state.marks).subspan((kMezeRows - 1) * kMezeCells, kMezeCells),
                          [](std::uint8_t mark) { return mark != 0; });
  return (state.counts[0] != 0) == zeroPicked && !zeroPicked && !topPicked;
}

}  // namespace tarvolenka
