#pragma once

#include "catalogue/level_up_elements.h"
#include "core/desktop.h"
#include "core/machine.h"

namespace tarvolenka {

// The level-up window: shows the new level's values and pays its award. It closes only
// through its OK picture, so the award is always seen.
class LevelUpWindow : public WindowLogic {
 public:
  LevelUpWindow(Desktop& desktop, Machine& machine) : d_(desktop), m_(machine) {}

  void OnShow() override;
  bool CloseRequested() override { return false; }
  void Click(std::uint16_t handler, int number) override;
  void Confirm();

 private:
  Desktop& d_;
  Machine& m_;
};

}  // namespace tarvolenka
