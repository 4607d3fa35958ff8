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

std::int64_t MegaBonusWindow::Prize(int cell) const {
  return SatMul(m_.State.TimedBonusAmount, kMegaFactors[static_cast<std::size_t>(cell - 1)]);
}

void MegaBonusWindow::OnShow() {
  for (int cell = 1; cell <= kMegaCells; ++cell) {
    d_.SetVisible(Ref(MegaLight(cell)), false);
    d_.SetText(Ref(MegaLabel(cell)), std::to_string(Prize(cell)));
  }
  d_.SetVisible(Ref(MegaBonusEl::OkButton), false);
  d_.SetVisible(Ref(MegaBonusEl::StopButton), false);
  d_.SetVisible(Ref(MegaBonusEl::StartButton), true);
  d_.SetVisible(Ref(MegaBonusEl::Announcement), false);
  d_.SetVisible(Ref(MegaBonusEl::Heading), true);
  d_.StopTimer(TimerOf(MegaBonusTimer::Light));
  lightPos_ = static_cast<std::uint8_t>(m_.Rng.Below(16) + 1);
  MoveLight();
}

void MegaBonusWindow::Click(std::uint16_t handler, int /*number*/) {
  switch (static_cast<MegaBonusClick>(handler)) {
    case MegaBonusClick::None:
      return;
    case MegaBonusClick::Start:
      return Start();
    case MegaBonusClick::Stop:
      return Stop();
    case MegaBonusClick::Confirm:
      return Confirm();
  }
}

void MegaBonusWindow::TimerTick(std::uint8_t timer) {
  if (static_cast<MegaBonusTimer>(timer) == MegaBonusTimer::Light) OnLightTick();
}

void MegaBonusWindow::MoveLight() {
  if (lightPos_ < 1 || lightPos_ > kMegaCells) {
    for (int cell = 1; cell <= kMegaCells; ++cell) d_.SetVisible(Ref(MegaLight(cell)), false);
    return;
  }
  const int previous = lightPos_ == 1 ? kMegaCells : lightPos_ - 1;
  d_.SetVisible(Ref(MegaLight(previous)), false);
  d_.SetVisible(Ref(MegaLight(lightPos_)), true);
}

void MegaBonusWindow::Start() {
  d_.SetVisible(Ref(MegaBonusEl::OkButton), false);
  d_.SetVisible(Ref(MegaBonusEl::StartButton), false);
  stepsLeft_ = m_.Rng.Below(15) + kStepsAfterStart;
  d_.StartTimer(TimerOf(MegaBonusTimer::Light));
}

void MegaBonusWindow::Stop() {
  stepsLeft_ = m_.Rng.Below(15) + kStepsAfterStop;
  d_.SetVisible(Ref(MegaBonusEl::StopButton), false);
}

void MegaBonusWindow::OnLightTick() {
  stepsLeft_ -= 1;
  PlayCue(d_, m_.State, Cue::Click);
  if (stepsLeft_ == kStopShownAt) d_.SetVisible(Ref(MegaBonusEl::StopButton), true);
  lightPos_ = static_cast<std::uint8_t>(lightPos_ % kMegaCells + 1);
  MoveLight();
  if (stepsLeft_ == 0) {
    d_.StopTimer(TimerOf(MegaBonusTimer::Light));
    d_.SetVisible(Ref(MegaBonusEl::OkButton), true);
    Announce();
    PlayCue(d_, m_.State, Cue::Cuckoo);
    return;
  }
  d_.SetTimerInterval(TimerOf(MegaBonusTimer::Light), PaceOf(stepsLeft_));
}

void MegaBonusWindow::Announce() {
  // The heading gives way to the prize the light rests on.
  d_.SetText(Ref(MegaBonusEl::Announcement), "ПЕЧЕЛИТЕ\n" + std::to_string(Prize(lightPos_)));
  d_.SetVisible(Ref(MegaBonusEl::Heading), false);
  d_.SetVisible(Ref(MegaBonusEl::Announcement), true);
}

void MegaBonusWindow::Confirm() {
  m_.State.LastWin = Prize(lightPos_);
  d_.Close(WindowId::MegaBonus);
}

}  // namespace tarvolenka
