#pragma once

#include <array>
#include <cstdint>

#include "bonus/meze_prizes.h"
#include "bonus/resumable_window.h"
#include "catalogue/meze_elements.h"
#include "core/desktop.h"
#include "core/machine.h"

namespace tarvolenka {

// The meze bonus: one pick per row of vegetables from the bottom up, each adding its prize to
// the bonus amount, until a zero is picked or the top row has been played.
class MezeWindow : public WindowLogic, public ResumableWindow {
 public:
  using Prizes = std::array<std::array<std::int64_t, kMezeCells>, kMezeRows>;

  MezeWindow(Desktop& desktop, Machine& machine);

  void OnShow() override;
  // The window closes itself when its game is over; until then a close would cost the bonus.
  bool CloseRequested() override { return false; }
  void Click(std::uint16_t handler, int number) override;

  // A click on vegetable k (1..6) of `row`.
  void PickVegetable(MezeRow row, int k);

  BonusWindowState Snapshot() const override;

  // The prize under each cell, by row (in the order of play) and cell.
  const Prizes& mezePrizes() const { return prizes_; }

 private:
  void PlaceMezePrizes();
  void ShowPrizeTexts();
  void Restore(const BonusWindowState& state);
  bool Over() const;
  void FinishMezeRow(MezeRow row);
  // The row's prizes appear one step at a time from cell `k`; then the next row opens, or the
  // window closes.
  void RevealRowFrom(MezeRow row, int k);
  void EndMezeRow(MezeRow row);
  void ShowRow(MezeRow row, bool visible);

  Desktop& d_;
  Machine& m_;
  Prizes prizes_{};
  std::array<bool, kMezeRows> rowOpen_{};
  bool zeroPicked_ = false;
  std::array<std::uint8_t, kMezeRows> picked_{};  // the cell picked in each row, 0 for none
};

}  // namespace tarvolenka
