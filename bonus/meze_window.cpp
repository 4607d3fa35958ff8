#include "bonus/meze_window.h"

#include <string>

#include "bonus/draw_cell.h"
#include "catalogue/durations.h"
#include "core/sound.h"

namespace tarvolenka {
namespace {

constexpr int kLabelPoints = 12;
constexpr int kPickedLabelPoints = 20;

constexpr std::size_t Index(MezeRow row) {
  return static_cast<std::size_t>(row);
}
constexpr int RowNumber(MezeRow row) {
  return static_cast<int>(row);
}

}  // namespace

MezeWindow::MezeWindow(Desktop& desktop, Machine& machine) : d_(desktop), m_(machine) {}

void MezeWindow::OnShow() {
  for (int row = 0; row < kMezeRows; ++row) ShowRow(static_cast<MezeRow>(row), row == 0);
  for (int row = 0; row < kMezeRows; ++row) {
    for (int k = 1; k <= kMezeCells; ++k) {
      d_.SetVisible(Ref(MezeLabel(row, k)), false);
      d_.SetFontSize(Ref(MezeLabel(row, k)), kLabelPoints);
    }
  }
  rowOpen_.fill(false);
  picked_.fill(0);
  if (const auto restored = TakeRestore()) return Restore(*restored);
  rowOpen_[Index(MezeRow::Cabbage)] = true;
  d_.SetText(Ref(MezeEl::Total), std::to_string(m_.BonusAmount));
  PlaceMezePrizes();
  zeroPicked_ = false;
  Progress();
}

bool MezeWindow::Over() const {
  return zeroPicked_ || picked_[Index(MezeRow::Turnip)] != 0;
}

BonusWindowState MezeWindow::Snapshot() const {
  BonusWindowState s;
  s.dealt = Over() ? kFinished : kDealt;
  for (std::size_t row = 0; row < prizes_.size(); ++row)
    for (std::size_t k = 0; k < prizes_[row].size(); ++k) {
      s.values[row * kMezeCells + k] = prizes_[row][k];
      s.marks[row * kMezeCells + k] = picked_[row] == k + 1 ? 1 : 0;
    }
  s.counts[0] = zeroPicked_ ? 1 : 0;
  return s;
}

// The rows played show all their prizes, the pick in the large font; the next row is open.
void MezeWindow::Restore(const BonusWindowState& state) {
  for (std::size_t row = 0; row < prizes_.size(); ++row)
    for (std::size_t k = 0; k < prizes_[row].size(); ++k) {
      prizes_[row][k] = state.values[row * kMezeCells + k];
      if (state.marks[row * kMezeCells + k] != 0) picked_[row] = static_cast<std::uint8_t>(k + 1);
    }
  zeroPicked_ = state.counts[0] != 0;
  ShowPrizeTexts();
  d_.SetText(Ref(MezeEl::Total), std::to_string(m_.BonusAmount));
  for (int row = 0; row < kMezeRows; ++row) {
    const auto r = static_cast<MezeRow>(row);
    if (picked_[Index(r)] == 0) {
      ShowRow(r, true);
      rowOpen_[Index(r)] = !zeroPicked_;
      return;
    }
    ShowRow(r, true);
    for (int k = 1; k <= kMezeCells; ++k) d_.SetVisible(Ref(MezeLabel(row, k)), true);
    d_.SetFontSize(Ref(MezeLabel(row, picked_[Index(r)])), kPickedLabelPoints);
  }
}

void MezeWindow::PlaceMezePrizes() {
  const std::int64_t m = m_.BonusSymbolCount;
  for (auto& row : prizes_) row.fill(0);
  for (MezeRow row : kMezePlacementOrder) {
    auto& cells = prizes_[Index(row)];
    for (std::int64_t prize : MezePrizeSet(row))
      cells[DrawCellWhere(m_.Rng, cells, [](std::int64_t v) { return v == 0; })] = prize * m;
  }
  ShowPrizeTexts();
}

void MezeWindow::ShowPrizeTexts() {
  for (int row = 0; row < kMezeRows; ++row)
    for (int k = 1; k <= kMezeCells; ++k)
      d_.SetText(
          Ref(MezeLabel(row, k)),
          std::to_string(prizes_[static_cast<std::size_t>(row)][static_cast<std::size_t>(k - 1)]));
}

void MezeWindow::Click(std::uint16_t handler, int number) {
  switch (static_cast<MezeClick>(handler)) {
    case MezeClick::None:
      return;
    case MezeClick::PickVegetable:
      if (number < 1 || number > kMezeRows * kMezeCells) return;
      return PickVegetable(static_cast<MezeRow>((number - 1) / kMezeCells),
                           (number - 1) % kMezeCells + 1);
  }
}

void MezeWindow::PickVegetable(MezeRow row, int k) {
  if (!rowOpen_[Index(row)]) return;
  PlayCue(d_, m_.State, Cue::Pick);
  const std::int64_t v = prizes_[Index(row)][static_cast<std::size_t>(k - 1)];
  m_.BonusAmount += v;
  m_.Record.bonusPicks.push_back({"meze", static_cast<int>(Index(row)) + 1, k, v});
  d_.SetText(Ref(MezeEl::Total), std::to_string(m_.BonusAmount));
  const ElementRef label = Ref(MezeLabel(RowNumber(row), k));
  d_.SetFontSize(label, kPickedLabelPoints);
  d_.SetVisible(label, true);
  if (v == 0) zeroPicked_ = true;
  picked_[Index(row)] = static_cast<std::uint8_t>(k);
  Progress();
  FinishMezeRow(row);
}

void MezeWindow::FinishMezeRow(MezeRow row) {
  rowOpen_[Index(row)] = false;
  d_.Repaint(WindowId::Meze);
  d_.Pause(durations::kMezeRevealStep, [this, row] { RevealRowFrom(row, 1); });
}

void MezeWindow::RevealRowFrom(MezeRow row, int k) {
  d_.SetVisible(Ref(MezeLabel(RowNumber(row), k)), true);
  d_.Repaint(WindowId::Meze);
  if (k < kMezeCells) {
    d_.Pause(durations::kMezeRevealStep, [this, row, k] { RevealRowFrom(row, k + 1); });
    return;
  }
  d_.Pause(durations::kMezeRowEnd, [this, row] { EndMezeRow(row); });
}

void MezeWindow::EndMezeRow(MezeRow row) {
  if (row == MezeRow::Turnip || zeroPicked_) {
    d_.Close(WindowId::Meze);
    return;
  }
  const auto next = static_cast<MezeRow>(RowNumber(row) + 1);
  ShowRow(next, true);
  rowOpen_[Index(next)] = true;
}

void MezeWindow::ShowRow(MezeRow row, bool visible) {
  for (int k = 1; k <= kMezeCells; ++k) d_.SetVisible(Ref(MezePicture(RowNumber(row), k)), visible);
}

}  // namespace tarvolenka
