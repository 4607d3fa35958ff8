#pragma once

#include <string>

#include "catalogue/timed_bonus_elements.h"
#include "core/desktop.h"
#include "core/machine.h"

namespace tarvolenka {

// What the timed bonus window says under the amount: that the bonus is the player's and, for a
// series `stage` of 0..4 (bonuses already taken since the last mega bonus), which of the five
// it is before the mega bonus comes.
std::string TimedBonusSeriesText(int stage);

// The hourly timed bonus: shows the amount and leaves it in LastWin for the main window.
class TimedBonusWindow : public WindowLogic {
 public:
  TimedBonusWindow(Desktop& desktop, Machine& machine) : d_(desktop), m_(machine) {}

  void OnShow() override;
  void Click(std::uint16_t handler, int number) override;
  void Confirm() { d_.Close(WindowId::TimedBonus); }

 private:
  Desktop& d_;
  Machine& m_;
};

}  // namespace tarvolenka
