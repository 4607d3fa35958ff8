#pragma once

#include <array>
#include <cstdint>

#include "bonus/drinks_rules.h"
#include "bonus/resumable_window.h"
#include "catalogue/bottles_elements.h"
#include "core/desktop.h"
#include "core/machine.h"
#include "core/pick_ring.h"

namespace tarvolenka {

// The bottles bonus: the player picks one of five bottles; its hidden multiplier (1..5) scales
// the cups prize, and its drink fills the cups.
class BottlesWindow : public WindowLogic, public ResumableWindow {
 public:
  BottlesWindow(Desktop& desktop, Machine& machine);

  void OnShow() override;
  bool CloseRequested() override;
  void Click(std::uint16_t handler, int number) override;
  // The arrows move the ring over the choices; Enter or Space picks the one it frames.
  bool KeyPressed(Key key) override { return ring_.Take(key, *this); }

  // A pick of bottle `bottle` (1..5).
  void PickBottle(int bottle);

  BonusWindowState Snapshot() const override;

  // The multiplier under each bottle, dealt anew at every showing.
  const BottlesRules& rules() const { return rules_; }
  const std::array<std::uint8_t, kBottles>& bottleValues() const { return rules_.values(); }

 private:
  void Reveal();
  // Shows the multipliers from `bottle` on, one step at a time, then closes.
  void RevealFrom(int bottle);

  Desktop& d_;
  Machine& m_;
  BottlesRules rules_;
  PickRing ring_;
};

}  // namespace tarvolenka
