#include "core/timed_bonus_window.h"

#include <string>

#include "core/sound.h"

namespace tarvolenka {

void TFormBonus::FormShow() {
  d_.SetText(Ref(TimedBonusEl::Label1), std::to_string(m_.State.TimedBonusAmount));
  m_.State.LastWin = m_.State.TimedBonusAmount;
  PlayCue(d_, m_.State, Cue::Kuku);
}

void TFormBonus::Click(std::uint16_t handler, int /*number*/) {
  if (static_cast<TimedBonusClick>(handler) == TimedBonusClick::ImageOKClick) ImageOKClick();
}

}  // namespace tarvolenka
