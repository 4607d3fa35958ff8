#include "core/level_window.h"

#include <string>

#include "core/arith.h"
#include "core/sound.h"

namespace tarvolenka {

void TFormLevel1::FormShow() {
  GameState& s = m_.State;
  const std::int64_t award = std::int64_t{s.Level} * 2000;
  d_.SetText(Ref(LevelEl::Level11), std::to_string(s.Level));
  d_.SetText(Ref(LevelEl::Label1), std::to_string(s.TimedBonusAmount));
  d_.SetText(Ref(LevelEl::Label2), std::to_string(s.MegaBonusCeiling));
  d_.SetText(Ref(LevelEl::Label3), std::to_string(s.MaxLineStake));
  d_.SetText(Ref(LevelEl::Label4), std::to_string(award));
  s.LastWin = award;
  s.Balance = SatAdd(s.Balance, award);
  PlayCue(d_, s, Cue::DoubleWin);
}

void TFormLevel1::Click(std::uint16_t handler, int /*number*/) {
  if (static_cast<LevelClick>(handler) == LevelClick::ImageLiniiClick) ImageLiniiClick();
}

void TFormLevel1::ImageLiniiClick() {
  d_.Close(WindowId::Level);
}

}  // namespace tarvolenka
