#pragma once

#include "core/desktop.h"

namespace tarvolenka {

// The legend: one picture of the pay table and the fifty lines, closed by its close box.
class LegendWindow : public WindowLogic {
 public:
  void Click(std::uint16_t, int) override {}
};

}  // namespace tarvolenka
