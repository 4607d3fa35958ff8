#pragma once

#include "catalogue/legend_elements.h"
#include "core/desktop.h"
#include "core/game_state.h"

namespace tarvolenka {

// The legend: the picture of the pay table and the fifty lines, with every pay written over it
// at the stake per line being played, in credits or, at the top stakes, in the thousands or
// millions its heading names. One button opens the rules; the other, the
// close box and Escape close it.
class LegendWindow : public WindowLogic {
 public:
  LegendWindow(Desktop& desktop, const GameState& played) : d_(desktop), played_(played) {}

  void OnShow() override;
  void Click(std::uint16_t handler, int number) override;

 private:
  Desktop& d_;
  const GameState& played_;
};

}  // namespace tarvolenka
