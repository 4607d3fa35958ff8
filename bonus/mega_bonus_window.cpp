#include "bonus/mega_bonus_window.h"

#include <string>

#include "core/arith.h"
#include "core/sound.h"

namespace tarvolenka {
namespace {

// Light steps after a start, and after a stop request; the stop button appears when the
// steps after a start come down to this many.
constexpr std::uint32_t kStepsAfterStart = 1005;
constexpr std::uint32_t kStepsAfterStop = 15;
constexpr std::uint32_t kStopShownAt = 1000;

int PaceOf(std::uint32_t stepsLeft) {
  if (stepsLeft <= 5) return durations::kMegaLightSlow3;
  if (stepsLeft <= 10) return durations::kMegaLightSlow2;
  if (stepsLeft <= 15) return durations::kMegaLightSlow1;
  return durations::kMegaLightFast;
}

}  // namespace

std::int64_t TFormMegaBonus::Prize(int cell) const {
  return SatMul(m_.State.TimedBonusAmount, kMegaFactors[static_cast<std::size_t>(cell - 1)]);
}

void TFormMegaBonus::FormShow() {
  for (int cell = 1; cell <= kMegaCells; ++cell) {
    d_.SetVisible(Ref(MegaShape(cell)), false);
    d_.SetText(Ref(MegaLabel(cell)), std::to_string(Prize(cell)));
  }
  d_.SetVisible(Ref(MegaBonusEl::ImageOK), false);
  d_.SetVisible(Ref(MegaBonusEl::ImageStop), false);
  d_.SetVisible(Ref(MegaBonusEl::ImageStart), true);
  d_.StopTimer(TimerOf(MegaBonusTimer::Timer1));
  lightPos_ = static_cast<std::uint8_t>(m_.Rng.Below(16) + 1);
  MoveLight();
}

void TFormMegaBonus::Click(std::uint16_t handler, int /*number*/) {
  switch (static_cast<MegaBonusClick>(handler)) {
    case MegaBonusClick::None:
      return;
    case MegaBonusClick::ImageStartClick:
      return ImageStartClick();
    case MegaBonusClick::ImageStopClick:
      return ImageStopClick();
    case MegaBonusClick::ImageOKClick:
      return ImageOKClick();
  }
}

void TFormMegaBonus::TimerTick(std::uint8_t timer) {
  if (static_cast<MegaBonusTimer>(timer) == MegaBonusTimer::Timer1) Timer1Timer();
}

void TFormMegaBonus::MoveLight() {
  if (lightPos_ < 1 || lightPos_ > kMegaCells) {
    for (int cell = 1; cell <= kMegaCells; ++cell) d_.SetVisible(Ref(MegaShape(cell)), false);
    return;
  }
  const int previous = lightPos_ == 1 ? kMegaCells : lightPos_ - 1;
  d_.SetVisible(Ref(MegaShape(previous)), false);
  d_.SetVisible(Ref(MegaShape(lightPos_)), true);
}

void TFormMegaBonus::ImageStartClick() {
  d_.SetVisible(Ref(MegaBonusEl::ImageOK), false);
  d_.SetVisible(Ref(MegaBonusEl::ImageStart), false);
  stepsLeft_ = m_.Rng.Below(15) + kStepsAfterStart;
  d_.StartTimer(TimerOf(MegaBonusTimer::Timer1));
}

void TFormMegaBonus::ImageStopClick() {
  stepsLeft_ = m_.Rng.Below(15) + kStepsAfterStop;
  d_.SetVisible(Ref(MegaBonusEl::ImageStop), false);
}

void TFormMegaBonus::Timer1Timer() {
  stepsLeft_ -= 1;
  PlayCue(d_, m_.State, Cue::Click);
  if (stepsLeft_ == kStopShownAt) d_.SetVisible(Ref(MegaBonusEl::ImageStop), true);
  lightPos_ = static_cast<std::uint8_t>(lightPos_ % kMegaCells + 1);
  MoveLight();
  if (stepsLeft_ == 0) {
    d_.StopTimer(TimerOf(MegaBonusTimer::Timer1));
    d_.SetVisible(Ref(MegaBonusEl::ImageOK), true);
    PlayCue(d_, m_.State, Cue::Kuku);
    return;
  }
  d_.SetTimerInterval(TimerOf(MegaBonusTimer::Timer1), PaceOf(stepsLeft_));
}

void TFormMegaBonus::ImageOKClick() {
  m_.State.LastWin = Prize(lightPos_);
  d_.Close(WindowId::MegaBonus);
}

}  // namespace tarvolenka
