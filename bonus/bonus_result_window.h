#pragma once

#include <cstdint>
#include <string_view>

#include "bonus/bonus_rules.h"
#include "catalogue/bonus_result_elements.h"
#include "core/desktop.h"
#include "core/machine.h"

namespace tarvolenka {

// The bonus result: shows the money won and how it was reckoned, until the player clicks OK.
class BonusResultWindow : public WindowLogic {
 public:
  // `bonus` is the round the window plays in, which it only reads.
  BonusResultWindow(Desktop& desktop, Machine& machine, const BonusRules& bonus);

  void OnShow() override;
  void Click(std::uint16_t handler, int number) override;

  void Confirm();

 private:
  Desktop& d_;
  Machine& m_;
  const BonusRules& bonus_;
};

}  // namespace tarvolenka
