#include "bonus/golden_board_window.h"

#include <algorithm>

#include "bonus/draw_cell.h"
#include "bonus/ladder_table.h"
#include "catalogue/durations.h"
#include "core/sound.h"

namespace tarvolenka {
namespace {

constexpr std::uint8_t kCoin = 1;
constexpr std::uint8_t kFoul = 0;

constexpr std::size_t Index(int cell) {
  return static_cast<std::size_t>(cell - 1);
}

}  // namespace

GoldenBoardWindow::GoldenBoardWindow(Desktop& desktop, Machine& machine)
    : d_(desktop), m_(machine) {}

void GoldenBoardWindow::OnShow() {
  for (int k = 1; k <= kBoardCells; ++k)
    d_.CopyPicture(Ref(BoardCell(k)), Ref(GoldenBoardEl::StoreCover));
  if (const auto restored = TakeRestore()) return Restore(*restored);
  cells_.fill(kCoin);
  covered_.fill(true);
  for (int foul = 0; foul < kBoardFouls; ++foul)
    cells_[DrawCellWhere(m_.Rng, cells_, [](std::uint8_t v) { return v == kCoin; })] = kFoul;
  foulCount_ = 0;
  ladderStep_ = 0;
  UpdateLadder();
  Progress();
}

BonusWindowState GoldenBoardWindow::Snapshot() const {
  BonusWindowState s;
  s.dealt = foulCount_ == m_.GoldenPick ? kFinished : kDealt;
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    s.values[i] = cells_[i];
    s.marks[i] = covered_[i] ? 0 : 1;
  }
  s.counts[0] = static_cast<std::uint8_t>(foulCount_);
  s.counts[1] = static_cast<std::uint8_t>(ladderStep_);
  return s;
}

void GoldenBoardWindow::Restore(const BonusWindowState& state) {
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    cells_[i] = static_cast<std::uint8_t>(state.values[i]);
    covered_[i] = state.marks[i] == 0;
  }
  foulCount_ = state.counts[0];
  ladderStep_ = std::min<int>(state.counts[1], kBoardCoins);
  UpdateLadder();
  for (int k = 1; k <= kBoardCells; ++k)
    if (!covered_[Index(k)]) ShowCell(k);
}

void GoldenBoardWindow::UpdateLadder() {
  const Rect ladder = SpecOf(Ref(GoldenBoardEl::Ladder)).rect;
  const LadderRung& rung = kLadderTable[static_cast<std::size_t>(ladderStep_)];
  d_.MoveElement(Ref(GoldenBoardEl::LadderMarker), ladder.left, ladder.top + rung.markerOffset);
  m_.BonusAmount = rung.prize;
}

void GoldenBoardWindow::Click(std::uint16_t handler, int number) {
  switch (static_cast<GoldenBoardClick>(handler)) {
    case GoldenBoardClick::None:
      return;
    case GoldenBoardClick::PickCell:
      return PickCell(number);
  }
}

void GoldenBoardWindow::PickCell(int cell) {
  if (cell < 1 || cell > kBoardCells || !covered_[Index(cell)]) return;
  covered_[Index(cell)] = false;
  m_.Record.bonusPicks.push_back({"cell", 0, cell, cells_[Index(cell)] == kCoin ? 1 : 0});
  if (cells_[Index(cell)] == kCoin) {
    ladderStep_ += 1;
    UpdateLadder();
    ShowCell(cell);
    PlayCue(d_, m_.State, Cue::Hit);
  } else {
    foulCount_ += 1;
    ShowCell(cell);
    PlayCue(d_, m_.State, Cue::Miss);
  }
  Progress();
  CheckBoardEnd();
}

void GoldenBoardWindow::CheckBoardEnd() {
  if (foulCount_ != m_.GoldenPick) return;
  RevealFrom(1);
}

void GoldenBoardWindow::RevealFrom(int cell) {
  for (int k = cell; k <= kBoardCells; ++k) {
    if (!covered_[Index(k)]) continue;
    covered_[Index(k)] = false;
    ShowCell(k);
    d_.Repaint(WindowId::GoldenBoard);
    d_.Pause(durations::kBoardRevealStep, [this, k] { RevealFrom(k + 1); });
    return;
  }
  d_.Repaint(WindowId::GoldenBoard);
  d_.Pause(durations::kBoardEnd, [this] { d_.Close(WindowId::GoldenBoard); });
}

void GoldenBoardWindow::ShowCell(int cell) {
  const auto source =
      cells_[Index(cell)] == kCoin ? GoldenBoardEl::StoreCoin : GoldenBoardEl::StoreFoul;
  d_.CopyPicture(Ref(BoardCell(cell)), Ref(source));
}

}  // namespace tarvolenka
