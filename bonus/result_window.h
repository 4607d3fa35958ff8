#pragma once

#include <cstdint>
#include <string_view>

#include "catalogue/result_elements.h"
#include "core/desktop.h"
#include "core/machine.h"

namespace tarvolenka {

// The bonus result: shows the money won and how it was reckoned, until the player clicks OK.
class TForm5 : public WindowLogic {
 public:
  TForm5(Desktop& desktop, Machine& machine);

  void FormShow() override;
  void Click(std::uint16_t handler, int number) override;

  void Image2Click();

 private:
  Desktop& d_;
  Machine& m_;
};

// The largest font size, at most `designPoints`, at which `text` fits `widthPx` in the game's
// bold font. A win can have more digits than the window was drawn for.
int FittingPoints(std::string_view text, int widthPx, int designPoints);

}  // namespace tarvolenka
