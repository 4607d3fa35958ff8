#include "core/level_rules.h"

#include "core/arith.h"

namespace tarvolenka {

bool LevelRules::RaiseIfDue() {
  if (s_.Experience < s_.NextLevelExperience || s_.Level >= kTopLevel) return false;
  s_.Level += 1;
  s_.MaxLineStake = WrapMul32(s_.Level, 10);
  s_.LevelStartExperience = s_.Experience;
  // The next threshold grows from the old one, not from where the player stands now.
  s_.NextLevelExperience = SatAdd(s_.NextLevelExperience, ExperienceToLeave(s_.Level));
  s_.TimedBonusAmount = std::int64_t{s_.Level} * 100;
  s_.MegaBonusCeiling = std::int64_t{s_.Level} * 2000;
  return true;
}

std::int64_t LevelRules::PayAward() {
  const std::int64_t award = AwardOf(s_.Level);
  s_.LastWin = award;
  s_.Balance = SatAdd(s_.Balance, award);
  return award;
}

std::uint8_t TimedBonusRules::Stage() {
  if (s_.BonusStage > kMegaBonusStage) s_.BonusStage = 0;
  return s_.BonusStage;
}

TimedBonusKind TimedBonusRules::Take() {
  s_.JokerUses = 0;
  s_.LastWin = 0;
  return Stage() == kMegaBonusStage ? TimedBonusKind::Mega : TimedBonusKind::Timed;
}

std::int64_t TimedBonusRules::Award() {
  s_.LastWin = s_.TimedBonusAmount;
  return s_.LastWin;
}

bool TimedBonusRules::Pay(DateTime now) {
  s_.Balance = SatAdd(s_.Balance, s_.LastWin);
  s_.BonusDueTime = PlusOneHour(now);
  s_.BonusStage = static_cast<std::uint8_t>((s_.BonusStage + 1) % (kMegaBonusStage + 1));
  return s_.BonusStage == 0;
}

}  // namespace tarvolenka
