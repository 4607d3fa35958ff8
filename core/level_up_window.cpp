#include "core/level_up_window.h"

#include <algorithm>
#include <string>

#include "catalogue/mega_bonus_elements.h"
#include "core/arith.h"
#include "core/level_rules.h"
#include "core/sound.h"

namespace tarvolenka {

void LevelUpWindow::OnShow() {
  GameState& s = m_.State;
  const std::int64_t award = LevelRules(s).PayAward();
  d_.SetText(Ref(LevelUpEl::LevelNumber), std::to_string(s.Level));
  d_.SetText(Ref(LevelUpEl::BonusValue), std::to_string(s.TimedBonusAmount));
  // "Up to" is the wheel's top prize at the new bonus amount. The saved ceiling is only a
  // fraction of it, so it would promise less than the wheel can pay.
  const std::int64_t topFactor = *std::max_element(kMegaFactors.begin(), kMegaFactors.end());
  d_.SetText(Ref(LevelUpEl::MegaBonusValue), std::to_string(SatMul(s.TimedBonusAmount, topFactor)));
  d_.SetText(Ref(LevelUpEl::MaxStakeValue), std::to_string(s.MaxLineStake));
  d_.SetText(Ref(LevelUpEl::LevelAwardValue), std::to_string(award));
  PlayCue(d_, s, Cue::DoubleWin);
}

void LevelUpWindow::Click(std::uint16_t handler, int /*number*/) {
  if (static_cast<LevelUpClick>(handler) == LevelUpClick::Confirm) Confirm();
}

void LevelUpWindow::Confirm() {
  d_.Close(WindowId::LevelUp);
}

}  // namespace tarvolenka
