#pragma once

#include "core/desktop.h"
#include "core/machine.h"
#include "core/main_window.h"

namespace tarvolenka {

// The bonus step of the end of a spin: three or more bonus symbols on the visible rows open
// the hat chooser, then the chosen game's windows one after another, and its win is paid.
class BonusSequence : public BonusStep {
 public:
  BonusSequence(Desktop& desktop, Machine& machine, MainWindow& main);

  void RunBonus() override;

 private:
  void PlayDrinksBonus();
  void PlayMezeBonus();
  void PlayGoldenBonus();
  void Pay();

  Desktop& d_;
  Machine& m_;
  MainWindow& main_;
};

}  // namespace tarvolenka
