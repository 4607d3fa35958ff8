#include "bonus/mega_bonus_window.h"

#include <algorithm>
#include <string>

#include "core/fitting_points.h"
#include "core/sound.h"

namespace tarvolenka {
namespace {

// 14 points are 19 px; a prize keeps 4 px of its tile clear on each side.
constexpr int kPrizePoints = 14;
constexpr int kPrizeMargin = 8;

}  // namespace

void MegaBonusWindow::OnShow() {
  const auto restored = TakeRestore();
  const bool resumed = restored && rules_.Restore(*restored);
  if (!resumed) rules_.Deal(m_.State.TimedBonusAmount, m_.Rng);
  shownLight_ = 0;
  // One size for every prize, the largest at which the longest fits its tile.
  int points = kPrizePoints;
  for (int cell = 1; cell <= kMegaCells; ++cell) {
    const int width = SpecOf(Ref(MegaLabel(cell))).rect.width - kPrizeMargin;
    points = std::min(points, FittingPoints(std::to_string(rules_.Prize(cell)), width, points));
  }
  for (int cell = 1; cell <= kMegaCells; ++cell) {
    d_.SetVisible(Ref(MegaLight(cell)), false);
    d_.SetText(Ref(MegaLabel(cell)), std::to_string(rules_.Prize(cell)));
    d_.SetFontSize(Ref(MegaLabel(cell)), points);
  }
  ShowPhase();
  if (!resumed) Progress();
}

// The buttons, the light and the timer as the wheel's phase has them.
void MegaBonusWindow::ShowPhase() {
  using Phase = MegaWheelRules::Phase;
  const Phase phase = rules_.phase();
  const bool running = phase == Phase::Running || phase == Phase::StopAsked;
  d_.SetVisible(Ref(MegaBonusEl::StartButton), phase == Phase::Dealt);
  d_.SetVisible(Ref(MegaBonusEl::StopButton), rules_.stopOffered());
  d_.SetVisible(Ref(MegaBonusEl::OkButton), phase == Phase::Rested);
  d_.SetVisible(Ref(MegaBonusEl::Announcement), false);
  d_.SetVisible(Ref(MegaBonusEl::Heading), true);
  ShowPrompt();
  MoveLight();
  if (phase == Phase::Rested) Announce();
  if (running) {
    ArmLight();
  } else {
    d_.StopTimer(TimerOf(MegaBonusTimer::Light));
  }
}

// What the wheel waits for, in the middle of the board, until the light rests on its prize.
void MegaBonusWindow::ShowPrompt() {
  using Phase = MegaWheelRules::Phase;
  const Phase phase = rules_.phase();
  const char* text = phase == Phase::Dealt ? "Натиснете СТАРТ: светлината ще обиколи наградите."
                     : rules_.stopOffered() ? "Натиснете СТОП, за да спрете светлината."
                     : phase == Phase::Running ? "Светлината тръгва..."
                                               : "Светлината спира...";
  d_.SetText(Ref(MegaBonusEl::Prompt), text);
  d_.SetVisible(Ref(MegaBonusEl::Prompt), phase != Phase::Rested);
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

void MegaBonusWindow::ArmLight() {
  nextStepAt_ = d_.SteadyMicros() + std::int64_t{rules_.Pace()} * 1000;
  d_.SetTimerInterval(TimerOf(MegaBonusTimer::Light), rules_.Pace());
  d_.StartTimer(TimerOf(MegaBonusTimer::Light));
}

void MegaBonusWindow::MoveLight() {
  const int light = rules_.light();
  if (shownLight_ == light) return;
  if (shownLight_ != 0) d_.SetVisible(Ref(MegaLight(shownLight_)), false);
  d_.SetVisible(Ref(MegaLight(light)), true);
  shownLight_ = light;
}

void MegaBonusWindow::Start() {
  d_.SetVisible(Ref(MegaBonusEl::OkButton), false);
  d_.SetVisible(Ref(MegaBonusEl::StartButton), false);
  rules_.Start(m_.Rng);
  Progress();
  ShowPrompt();
  ArmLight();
}

void MegaBonusWindow::Stop() {
  rules_.Stop(m_.Rng);
  Progress();
  d_.SetVisible(Ref(MegaBonusEl::StopButton), false);
  ShowPrompt();
}

// Every step the light's paces have made due by now is taken, in order: a late timer is caught
// up, so the wheel keeps its time however busy the machine. The light is shown once.
void MegaBonusWindow::OnLightTick() {
  const std::int64_t now = d_.SteadyMicros();
  bool moved = false;
  bool rested = false;
  while (nextStepAt_ <= now && !rested) {
    const MegaStep step = rules_.Step();
    moved = true;
    rested = step.rested;
    if (step.stopOffered) {
      d_.SetVisible(Ref(MegaBonusEl::StopButton), true);
      ShowPrompt();
    }
    nextStepAt_ += std::int64_t{rules_.Pace()} * 1000;
  }
  if (!moved) return;
  PlayCue(d_, m_.State, Cue::Click);
  MoveLight();
  if (rested) {
    d_.StopTimer(TimerOf(MegaBonusTimer::Light));
    d_.SetVisible(Ref(MegaBonusEl::OkButton), true);
    Announce();
    Progress();  // drawn: from here the prize is the player's, whatever happens
    PlayCue(d_, m_.State, Cue::Cuckoo);
    return;
  }
  d_.SetTimerInterval(TimerOf(MegaBonusTimer::Light),
                      static_cast<int>((nextStepAt_ - now + 999) / 1000));
}

void MegaBonusWindow::Announce() {
  // The prompt gives way to the prize the light rests on, large, under the heading.
  d_.SetText(Ref(MegaBonusEl::Announcement),
             "ПЕЧЕЛИТЕ\n" + std::to_string(rules_.Prize(rules_.light())));
  d_.SetVisible(Ref(MegaBonusEl::Prompt), false);
  d_.SetVisible(Ref(MegaBonusEl::Announcement), true);
}

void MegaBonusWindow::Confirm() {
  m_.State.LastWin = rules_.Prize(rules_.light());
  d_.Close(WindowId::MegaBonus);
}

}  // namespace tarvolenka
