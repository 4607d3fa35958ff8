#pragma once

#include <array>
#include <cstdint>

#include "bonus/resumable_window.h"
#include "catalogue/golden_board_elements.h"
#include "core/desktop.h"
#include "core/machine.h"

namespace tarvolenka {

// The golden board: every coin uncovered climbs the prize ladder one rung, and the game ends
// when as many fouls have been uncovered as the golden pick allowed.
class GoldenBoardWindow : public WindowLogic, public ResumableWindow {
 public:
  GoldenBoardWindow(Desktop& desktop, Machine& machine);

  void OnShow() override;
  // The window closes itself when its game is over; until then a close would cost the bonus.
  bool CloseRequested() override { return false; }
  void Click(std::uint16_t handler, int number) override;

  // A click on cell `cell` (1..16).
  void PickCell(int cell);

  BonusWindowState Snapshot() const override;

  // 1 = coin, 0 = foul, by cell; dealt anew at every showing.
  const std::array<std::uint8_t, kBoardCells>& boardCells() const { return cells_; }
  int foulCount() const { return foulCount_; }
  int ladderStep() const { return ladderStep_; }

 private:
  void UpdateLadder();
  void CheckBoardEnd();
  // Uncovers the cells from `cell` on, one step at a time, then closes.
  void RevealFrom(int cell);
  void ShowCell(int cell);
  void Restore(const BonusWindowState& state);

  Desktop& d_;
  Machine& m_;
  std::array<std::uint8_t, kBoardCells> cells_{};
  std::array<bool, kBoardCells> covered_{};
  int foulCount_ = 0;
  int ladderStep_ = 0;
};

}  // namespace tarvolenka
