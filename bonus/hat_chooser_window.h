#pragma once

#include <array>
#include <cstdint>

#include "bonus/resumable_window.h"
#include "bonus/single_pick.h"
#include "catalogue/hat_chooser_elements.h"
#include "core/desktop.h"
#include "core/machine.h"
#include "core/pick_ring.h"

namespace tarvolenka {

// The bonus chooser: the player lifts one of three hats, and its bonus game is the one played.
class HatChooserWindow : public WindowLogic, public ResumableWindow {
 public:
  HatChooserWindow(Desktop& desktop, Machine& machine);

  void OnShow() override;
  bool CloseRequested() override;
  void Click(std::uint16_t handler, int number) override;
  // The arrows move the ring over the choices; Enter or Space picks the one it frames.
  bool KeyPressed(Key key) override { return ring_.Take(key, *this); }

  // A click on hat `hat` (1..3).
  void PickHat(int hat);
  void ShowChoices(int picked, std::uint8_t bonus);

  BonusWindowState Snapshot() const override;

  // The bonus (1..3) under each hat, dealt anew at every showing.
  const SinglePick<3>& rules() const { return hats_; }
  const std::array<std::uint8_t, 3>& hatContents() const { return hats_.values(); }

 private:
  Desktop& d_;
  Machine& m_;
  SinglePick<3> hats_;
  PickRing ring_;
};

}  // namespace tarvolenka
