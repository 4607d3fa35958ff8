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
constexpr std::uint32_t kDrawnExtraSteps = 15;  // a start or a stop adds 0..14 steps more

// Where the wheel lies in a bonus window's state.
enum Slot : std::size_t { kPrizeUnit, kLight, kStepsLeft };

}  // namespace

void MegaWheelRules::Deal(std::int64_t timedBonus, Random& rng) {
  timedBonus_ = timedBonus;
  stepsLeft_ = 0;
  phase_ = Phase::Dealt;
  light_ = static_cast<std::uint8_t>(rng.Below(kMegaCells) + 1);
}

void MegaWheelRules::Start(Random& rng) {
  stepsLeft_ = rng.Below(kDrawnExtraSteps) + kStepsAfterStart;
  phase_ = Phase::Running;
}

void MegaWheelRules::Stop(Random& rng) {
  stepsLeft_ = rng.Below(kDrawnExtraSteps) + kStepsAfterStop;
  phase_ = Phase::StopAsked;
}

MegaStep MegaWheelRules::Step() {
  if (stepsLeft_ == 0) {
    phase_ = Phase::Rested;
    return MegaStep{light_, false, true};
  }
  stepsLeft_ -= 1;
  if (stepsLeft_ == 0) phase_ = Phase::Rested;
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

bool MegaWheelRules::stopOffered() const {
  return phase_ == Phase::Running && stepsLeft_ <= kStopOfferedAt;
}

BonusWindowState MegaWheelRules::Snapshot() const {
  BonusWindowState state;
  state.dealt = static_cast<std::uint8_t>(static_cast<std::uint8_t>(phase_) + 1);
  state.values[kPrizeUnit] = timedBonus_;
  state.values[kLight] = light_;
  state.values[kStepsLeft] = stepsLeft_;
  return state;
}

bool MegaWheelRules::Plausible(const BonusWindowState& state) {
  if (state.dealt < 1 || state.dealt > static_cast<std::uint8_t>(Phase::Rested) + 1) return false;
  const auto phase = static_cast<Phase>(state.dealt - 1);
  const std::int64_t light = state.values[kLight];
  const std::int64_t steps = state.values[kStepsLeft];
  const std::int64_t most = phase == Phase::Running     ? kStepsAfterStart + kDrawnExtraSteps - 1
                            : phase == Phase::StopAsked ? kStepsAfterStop + kDrawnExtraSteps - 1
                                                        : 0;
  return state.values[kPrizeUnit] >= 0 && light >= 1 && light <= kMegaCells && steps >= 0 &&
         steps <= most;
}

bool MegaWheelRules::Restore(const BonusWindowState& state) {
  if (!Plausible(state)) return false;
  phase_ = static_cast<Phase>(state.dealt - 1);
  timedBonus_ = state.values[kPrizeUnit];
  light_ = static_cast<std::uint8_t>(state.values[kLight]);
  stepsLeft_ = static_cast<std::uint32_t>(state.values[kStepsLeft]);
  return true;
}

}  // namespace tarvolenka
