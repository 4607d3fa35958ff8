#include "core/timed_bonus_window.h"

#include <string>

#include "core/sound.h"

namespace tarvolenka {

void TimedBonusWindow::OnShow() {
  d_.SetText(Ref(TimedBonusEl::Amount), std::to_string(m_.State.TimedBonusAmount));
  m_.State.LastWin = m_.State.TimedBonusAmount;
  PlayCue(d_, m_.State, Cue::Cuckoo);
}

void TimedBonusWindow::Click(std::uint16_t handler, int /*number*/) {
  if (static_cast<TimedBonusClick>(handler) == TimedBonusClick::Confirm) Confirm();
}

}  // namespace tarvolenka
