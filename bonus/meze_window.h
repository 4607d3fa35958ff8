#pragma once

#include <array>
#include <cstdint>

#include "bonus/bonus_rules.h"
#include "bonus/meze_prizes.h"
#include "bonus/meze_rules.h"
#include "bonus/resumable_window.h"
#include "catalogue/meze_elements.h"
#include "core/desktop.h"
#include "core/machine.h"
#include "core/pick_ring.h"

namespace tarvolenka {

// The meze bonus's window: shows the rows its rules deal, adds each pick's prize to the bonus
// amount and reveals the row picked, step by step.
class MezeWindow : public WindowLogic, public ResumableWindow {
 public:
  using Prizes = MezeRules::Prizes;

  // `bonus` is the round the window plays in, which it only reads.
  MezeWindow(Desktop& desktop, Machine& machine, const BonusRules& bonus);

  void OnShow() override;
  // The window closes itself when its game is over; until then a close would cost the bonus.
  bool CloseRequested() override { return false; }
  void Click(std::uint16_t handler, int number) override;
  // The arrows move the ring over the open row; Enter or Space picks the vegetable it frames.
  bool KeyPressed(Key key) override { return ring_.Take(key, *this); }

  // A click on vegetable k (1..6) of `row`.
  void PickVegetable(MezeRow row, int k);

  BonusWindowState Snapshot() const override;

  // The prize under each cell, by row (in the order of play) and cell.
  const MezeRules& rules() const { return rules_; }
  const Prizes& mezePrizes() const { return rules_.prizes(); }

 private:
  void ShowPrizeTexts();
  void Restore(const BonusWindowState& state);
  void FinishMezeRow(MezeRow row);
  // The row's prizes appear one step at a time from cell `k`; then the next row opens, or the
  // window closes.
  void RevealRowFrom(MezeRow row, int k);
  void EndMezeRow(MezeRow row);
  void ShowRow(MezeRow row, bool visible);
  void ShowEnd();

  Desktop& d_;
  Machine& m_;
  const BonusRules& bonus_;
  MezeRules rules_;
  PickRing ring_;
};

}  // namespace tarvolenka
