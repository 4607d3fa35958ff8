#pragma once

#include <array>
#include <cstdint>

#include "bonus/resumable_window.h"
#include "bonus/single_pick.h"
#include "catalogue/golden_pick_elements.h"
#include "core/desktop.h"
#include "core/machine.h"
#include "core/pick_ring.h"

namespace tarvolenka {

// The golden pick's covers hide the numbers of fouls kFewestFouls, kFewestFouls + 1 and
// kFewestFouls + 2, one under each.
using GoldenCovers = SinglePick<3>;
inline constexpr std::uint8_t kFewestFouls = 2;

// The golden pick: the player uncovers one of three covers, and its number (2..4) is how many
// fouls the golden board allows.
class GoldenPickWindow : public WindowLogic, public ResumableWindow {
 public:
  GoldenPickWindow(Desktop& desktop, Machine& machine);

  void OnShow() override;
  bool CloseRequested() override;
  void Click(std::uint16_t handler, int number) override;
  // The arrows move the ring over the choices; Enter or Space picks the one it frames.
  bool KeyPressed(Key key) override { return ring_.Take(key, *this); }

  // A click on cover `cover` (1..3).
  void PickCover(int cover);
  void ShowChoices(int picked);

  BonusWindowState Snapshot() const override;

  // The number of fouls (2..4) under each cover, dealt anew at every showing.
  const GoldenCovers& rules() const { return covers_; }
  const std::array<std::uint8_t, 3>& goldenPickValues() const { return covers_.values(); }

 private:
  Desktop& d_;
  Machine& m_;
  GoldenCovers covers_;
  PickRing ring_;
};

}  // namespace tarvolenka
