#include "core/timed_bonus_window.h"

#include <string>

#include "core/level_rules.h"
#include "core/sound.h"

namespace tarvolenka {

std::string TimedBonusSeriesText(int stage) {
  std::string text = "Бонусът по време е ваш!";
  constexpr int kSeries = kMegaBonusStage;  // the timed bonuses before each mega bonus
  if (stage < 0 || stage >= kSeries) return text;
  const int nth = stage + 1;
  text += "\nБонус " + std::to_string(nth) + " от " + std::to_string(kSeries);
  text += nth == kSeries ? ": следва мегабонусът!" : " до мегабонуса";
  return text;
}

void TimedBonusWindow::OnShow() {
  d_.SetText(Ref(TimedBonusEl::Amount), std::to_string(TimedBonusRules(m_.State).Award()));
  // Read, not normalised: taking the bonus has already brought the stage into range.
  d_.SetText(Ref(TimedBonusEl::Series), TimedBonusSeriesText(m_.State.BonusStage));
  PlayCue(d_, m_.State, Cue::Cuckoo);
}

void TimedBonusWindow::Click(std::uint16_t handler, int /*number*/) {
  if (static_cast<TimedBonusClick>(handler) == TimedBonusClick::Confirm) Confirm();
}

}  // namespace tarvolenka
