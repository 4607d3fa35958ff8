#pragma once

#include <cstdint>

#include "catalogue/mega_bonus_elements.h"
#include "core/desktop.h"
#include "core/machine.h"

namespace tarvolenka {

// The mega bonus, every sixth timed bonus: a light runs round sixteen prizes, slows down after
// the player's stop and rests on the prize that becomes LastWin. It closes only through its
// OK picture, so the prize cannot be lost by closing it.
class MegaBonusWindow : public WindowLogic {
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

  std::uint8_t MegaLightPos() const { return lightPos_; }
  std::uint32_t MegaStepsLeft() const { return stepsLeft_; }
  std::int64_t Prize(int cell) const;

 private:
  void MoveLight();
  void Announce();

  Desktop& d_;
  Machine& m_;
  std::uint8_t lightPos_ = 1;
  std::uint32_t stepsLeft_ = 0;
};

}  // namespace tarvolenka
