#pragma once

#include <cstdint>
#include <string_view>

#include "catalogue/bonus_result_elements.h"
#include "core/desktop.h"
#include "core/machine.h"

namespace tarvolenka {

// The bonus result: shows the money won and how it was reckoned, until the player clicks OK.
class BonusResultWindow : public WindowLogic {
 public:
  BonusResultWindow(Desktop& desktop, Machine& machine);

  void OnShow() override;
  void Click(std::uint16_t handler, int number) override;

  void Confirm();

 private:
  Desktop& d_;
  Machine& m_;
};

// The largest font size, at most `designPoints`, at which `text` fits `widthPx` in the game's
// bold font. A win can have more digits than the window was drawn for.
int FittingPoints(std::string_view text, int widthPx, int designPoints);

}  // namespace tarvolenka
