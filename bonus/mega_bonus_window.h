#pragma once

#include <cstdint>

#include "bonus/mega_wheel_rules.h"
#include "bonus/resumable_window.h"
#include "catalogue/mega_bonus_elements.h"
#include "core/desktop.h"
#include "core/machine.h"

namespace tarvolenka {

// The mega bonus, every sixth timed bonus: a light runs round sixteen prizes, slows down after
// the player's stop and rests on the prize that becomes LastWin. It closes only through its
// OK picture, so the prize cannot be lost by closing it. The wheel reaches the resume file after
// the deal, the start, the stop and the rest, so a prize once drawn is never drawn again.
class MegaBonusWindow : public WindowLogic, public ResumableWindow {
 public:
  MegaBonusWindow(Desktop& desktop, Machine& machine) : d_(desktop), m_(machine) {}

  void OnShow() override;
  bool CloseRequested() override { return false; }
  void Click(std::uint16_t handler, int number) override;
  void TimerTick(std::uint8_t timer) override;

  void Start();
  void Stop();
  void Confirm();
  void OnLightTick();

  const MegaWheelRules& rules() const { return rules_; }
  BonusWindowState Snapshot() const override { return rules_.Snapshot(); }

 private:
  void ShowPhase();
  void ShowPrompt();
  // Sets the light's timer for the next step, a pace from now.
  void ArmLight();
  void MoveLight();
  void Announce();

  Desktop& d_;
  Machine& m_;
  MegaWheelRules rules_;
  int shownLight_ = 0;           // the cell lit on the screen, 0 for none
  std::int64_t nextStepAt_ = 0;  // on the steady clock, in microseconds
};

}  // namespace tarvolenka
