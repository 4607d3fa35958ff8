#pragma once

#include "catalogue/level_elements.h"
#include "core/desktop.h"
#include "core/machine.h"

namespace tarvolenka {

// The level-up window: shows the new level's values and pays its award. It closes only
// through its OK picture, so the award is always seen.
class TFormLevel1 : public WindowLogic {
 public:
  TFormLevel1(Desktop& desktop, Machine& machine) : d_(desktop), m_(machine) {}

  void FormShow() override;
  bool CloseRequested() override { return false; }
  void Click(std::uint16_t handler, int number) override;
  void ImageLiniiClick();

 private:
  Desktop& d_;
  Machine& m_;
};

}  // namespace tarvolenka
