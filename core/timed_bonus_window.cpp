#include "core/timed_bonus_window.h"

#include <string>

#include "core/level_rules.h"
#include "core/sound.h"

namespace tarvolenka {

void TimedBonusWindow::OnShow() {
  d_.SetText(Ref(TimedBonusEl::Amount), std::to_string(TimedBonusRules(m_.State).Award()));
  PlayCue(d_, m_.State, Cue::Cuckoo);
}

void TimedBonusWindow::Click(std::uint16_t handler, int /*number*/) {
  if (static_cast<TimedBonusClick>(handler) == TimedBonusClick::Confirm) Confirm();
}

}  // namespace tarvolenka
