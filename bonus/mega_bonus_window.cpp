#include "bonus/mega_bonus_window.h"

#include <string>

#include "core/sound.h"

namespace tarvolenka {

void MegaBonusWindow::OnShow() {
  rules_.Deal(m_.State.TimedBonusAmount, m_.Rng);
  for (int cell = 1; cell <= kMegaCells; ++cell) {
    d_.SetVisible(Ref(MegaLight(cell)), false);
    d_.SetText(Ref(MegaLabel(cell)), std::to_string(rules_.Prize(cell)));
  }
  d_.SetVisible(Ref(MegaBonusEl::OkButton), false);
  d_.SetVisible(Ref(MegaBonusEl::StopButton), false);
  d_.SetVisible(Ref(MegaBonusEl::StartButton), true);
  d_.SetVisible(Ref(MegaBonusEl::Announcement), false);
  d_.SetVisible(Ref(MegaBonusEl::Heading), true);
  d_.StopTimer(TimerOf(MegaBonusTimer::Light));
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
  const int light = rules_.light();
  d_.SetVisible(Ref(MegaLight(light == 1 ? kMegaCells : light - 1)), false);
  d_.SetVisible(Ref(MegaLight(light)), true);
}

void MegaBonusWindow::Start() {
  d_.SetVisible(Ref(MegaBonusEl::OkButton), false);
  d_.SetVisible(Ref(MegaBonusEl::StartButton), false);
  rules_.Start(m_.Rng);
  d_.StartTimer(TimerOf(MegaBonusTimer::Light));
}

void MegaBonusWindow::Stop() {
  rules_.Stop(m_.Rng);
  d_.SetVisible(Ref(MegaBonusEl::StopButton), false);
}

void MegaBonusWindow::OnLightTick() {
  const MegaStep step = rules_.Step();
  PlayCue(d_, m_.State, Cue::Click);
  if (step.stopOffered) d_.SetVisible(Ref(MegaBonusEl::StopButton), true);
  MoveLight();
  if (step.rested) {
    d_.StopTimer(TimerOf(MegaBonusTimer::Light));
    d_.SetVisible(Ref(MegaBonusEl::OkButton), true);
    Announce();
    PlayCue(d_, m_.State, Cue::Cuckoo);
    return;
  }
  d_.SetTimerInterval(TimerOf(MegaBonusTimer::Light), rules_.Pace());
}

void MegaBonusWindow::Announce() {
  // The heading gives way to the prize the light rests on.
  d_.SetText(Ref(MegaBonusEl::Announcement),
             "ПЕЧЕЛИТЕ\n" + std::to_string(rules_.Prize(rules_.light())));
  d_.SetVisible(Ref(MegaBonusEl::Heading), false);
  d_.SetVisible(Ref(MegaBonusEl::Announcement), true);
}

void MegaBonusWindow::Confirm() {
  m_.State.LastWin = rules_.Prize(rules_.light());
  d_.Close(WindowId::MegaBonus);
}

}  // namespace tarvolenka
