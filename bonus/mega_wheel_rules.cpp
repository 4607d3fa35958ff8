#include "bonus/mega_wheel_rules.h"

#include "catalogue/durations.h"
#include "core/arith.h"

namespace tarvolenka {
namespace {

// Light steps after a start, and after a stop request; the stop is offered when the steps
// after a start come down to this many.
constexpr std::uint32_t kStepsAfterStart = 1005;
constexpr std::uint32_t kStepsAfterStop = 15;
constexpr std::uint32_t kStopOfferedAt = 1000;

}  // namespace

void MegaWheelRules::Deal(std::int64_t timedBonus, Random& rng) {
  timedBonus_ = timedBonus;
  stepsLeft_ = 0;
  light_ = static_cast<std::uint8_t>(rng.Below(kMegaCells) + 1);
}

void MegaWheelRules::Start(Random& rng) {
  stepsLeft_ = rng.Below(15) + kStepsAfterStart;
}

void MegaWheelRules::Stop(Random& rng) {
  stepsLeft_ = rng.Below(15) + kStepsAfterStop;
}

MegaStep MegaWheelRules::Step() {
  if (stepsLeft_ == 0) return MegaStep{light_, false, true};
  stepsLeft_ -= 1;
  light_ = static_cast<std::uint8_t>(light_ % kMegaCells + 1);
  return MegaStep{light_, stepsLeft_ == kStopOfferedAt, stepsLeft_ == 0};
}

int MegaWheelRules::Pace() const {
  if (stepsLeft_ <= 5) return durations::kMegaLightSlow3;
  if (stepsLeft_ <= 10) return durations::kMegaLightSlow2;
  if (stepsLeft_ <= 15) return durations::kMegaLightSlow1;
  return durations::kMegaLightFast;
}

std::int64_t MegaWheelRules::Prize(int cell) const {
  return SatMul(timedBonus_, kMegaFactors[static_cast<std::size_t>(cell - 1)]);
}

}  // namespace tarvolenka
