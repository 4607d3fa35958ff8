#include "bonus/bonus_rules.h"

#include <algorithm>

#include "core/arith.h"
#include "core/bonus_trigger.h"

namespace tarvolenka {

bool BonusRules::Open(int bonusSymbols) {
  round_ = BonusRound{};
  round_.symbolCount = bonusSymbols;
  const bool opens = OpensBonus(bonusSymbols);
  stage_ = opens ? BonusStageId::BeforeChooser : BonusStageId::Paid;
  return opens;
}

void BonusRules::Restore(BonusStageId stage, const BonusRound& round) {
  stage_ = stage;
  round_ = round;
}

void BonusRules::BottlePicked(int bottle, int multiplier) {
  round_.bottleChoice = bottle;
  round_.multiplier = multiplier;
}

BonusStageId BonusRules::Next() {
  using Stage = BonusStageId;
  switch (stage_) {
    case Stage::BeforeChooser:
      round_.choice = kNoBonusGame;
      return stage_ = Stage::Chooser;
    case Stage::Chooser:
      return stage_ = FirstStageOfChoice();
    case Stage::Bottles:
      return stage_ = Stage::Cups;
    case Stage::GoldenPick: {
      // The board ends on the number of fouls picked; without a pick it could never end.
      const bool board = round_.goldenPick >= 2 && round_.goldenPick <= 4;
      return stage_ = board ? Stage::GoldenBoard : Stage::Result;
    }
    case Stage::Cups:
    case Stage::Meze:
    case Stage::GoldenBoard:
      return stage_ = Stage::Result;
    case Stage::Result:
    case Stage::Paid:
    case Stage::Count:
      break;
  }
  return stage_ = Stage::Paid;
}

// The chosen game's first stage, with the round's values as the game starts them.
BonusStageId BonusRules::FirstStageOfChoice() {
  switch (round_.choice) {
    case kDrinksGame:
      round_.multiplier = 0;
      round_.bottleChoice = 0;
      round_.amount = 0;
      return BonusStageId::Bottles;
    case kMezeGame:
      round_.amount = 0;
      round_.multiplier = 1;
      return BonusStageId::Meze;
    case kGoldenGame:
      round_.amount = 0;
      round_.multiplier = 1;
      round_.goldenPick = 0;
      return BonusStageId::GoldenPick;
    default:
      return BonusStageId::Paid;  // no pick: nothing is played or paid
  }
}

// Reckoned in 64 bits, so the golden board's top prize at the highest stake is paid in full;
// the result window shows this same figure.
std::int64_t BonusRules::Win(std::int32_t lineStake, std::int64_t result) const {
  const std::int64_t win =
      SatMul(SatMul(Widen(lineStake), std::int64_t{round_.multiplier}), result);
  return std::max<std::int64_t>(win, 0);
}

std::int64_t BonusRules::Pay(std::int32_t lineStake) {
  round_.amount = Win(lineStake);
  stage_ = BonusStageId::Paid;
  return round_.amount;
}

}  // namespace tarvolenka
