#pragma once

#include <cstdint>

#include "bonus/bonus_rules.h"
#include "bonus/golden_board_rules.h"
#include "bonus/resumable_window.h"
#include "catalogue/golden_board_elements.h"
#include "core/desktop.h"
#include "core/machine.h"
#include "core/pick_ring.h"

namespace tarvolenka {

// The golden board: every coin uncovered climbs the prize ladder one rung, and the game ends
// when as many fouls have been uncovered as the golden pick allowed.
class GoldenBoardWindow : public WindowLogic, public ResumableWindow {
 public:
  // `bonus` is the round the window plays in, which it only reads.
  GoldenBoardWindow(Desktop& desktop, Machine& machine, const BonusRules& bonus);

  void OnShow() override;
  // The window closes itself when its game is over; until then a close would cost the bonus.
  bool CloseRequested() override { return false; }
  void Click(std::uint16_t handler, int number) override;
  // The arrows move the ring over the choices; Enter or Space picks the one it frames.
  bool KeyPressed(Key key) override { return ring_.Take(key, *this); }

  // A click on cell `cell` (1..16).
  void PickCell(int cell);

  BonusWindowState Snapshot() const override;

  // The board, dealt anew at every showing.
  const GoldenBoardRules& rules() const { return rules_; }

 private:
  void UpdateLadder();
  void UpdateFoulsLeft();
  // Uncovers the rest of the board, one step at a time, then closes.
  void RevealRest();
  void ShowCell(int cell);

  Desktop& d_;
  Machine& m_;
  const BonusRules& bonus_;
  GoldenBoardRules rules_;
  PickRing ring_;
};

}  // namespace tarvolenka
