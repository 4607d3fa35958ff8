#include "core/spin_cycle.h"

#include <utility>

#include "core/arith.h"
#include "core/free_spins.h"

namespace tarvolenka {

bool SpinCycle::StakePaidSpin(GameState& s) {
  lines_.fill(0);
  const std::int64_t stake = Widen(s.TotalStake);
  if (s.Balance < stake) return false;
  s.Balance -= stake;
  s.Experience = SatAdd(s.Experience, stake);
  spinIsFree_ = false;
  round_.reset();
  return true;
}

void SpinCycle::TakeFreeSpin(GameState& s) {
  freeSpins_ -= 1;
  lines_.fill(0);
  spinIsFree_ = true;
  if (round_) ++round_->taken;
  s.Experience = SatAdd(s.Experience, Widen(s.TotalStake));
}

std::int64_t SpinCycle::PayLines(const ReelWindow& reels, GameState& s) {
  s.LastWin = EvaluateLines(reels, lines_);
  if (s.LastWin > 0) {
    s.LastWin = SatMul(s.LastWin, Widen(s.LineStake));
    s.Balance = SatAdd(s.Balance, s.LastWin);
  }
  return s.LastWin;
}

int SpinCycle::AwardFreeSpins(const ReelWindow& reels) {
  const int awarded = FreeSpinsFor(CountVisible(reels, kScatterSymbol));
  freeSpins_ += awarded;
  if (awarded > 0) {
    if (!round_) round_ = FreeRound{};
    round_->won += awarded;
  }
  return awarded;
}

bool SpinCycle::ToggleAutoPlay() {
  autoPlay_ = !autoPlay_;
  spinsLeft_ = choices_.spins;
  limitReached_ = false;
  return autoPlay_;
}

void SpinCycle::CountAutoPlaySpin() {
  if (autoPlay_ && spinsLeft_ > 0) --spinsLeft_;
}

void SpinCycle::NoteSpinEnd(std::int64_t win, bool bonusOpened) {
  if (spinIsFree_ && round_) round_->paid = SatAdd(round_->paid, win);
  if (!autoPlay_) return;
  if ((bonusOpened && choices_.stopOnBonus) || (choices_.winAbove > 0 && win > choices_.winAbove))
    limitReached_ = true;
}

bool SpinCycle::AutoPlayGoesOn(std::int64_t balance) {
  if (!autoPlay_) return false;
  const bool counted = choices_.spins > 0;
  if (limitReached_ || (counted && spinsLeft_ == 0) ||
      (choices_.balanceBelow > 0 && balance < choices_.balanceBelow)) {
    autoPlay_ = false;
    limitReached_ = false;
  }
  return autoPlay_;
}

std::optional<FreeRound> SpinCycle::CloseFreeRound() {
  if (freeSpins_ > 0 || !round_) return std::nullopt;
  return std::exchange(round_, std::nullopt);
}

std::optional<std::int64_t> SpinCycle::autoPlaySpinsLeft() const {
  if (!autoPlay_ || choices_.spins == 0) return std::nullopt;
  return spinsLeft_;
}

void SpinCycle::Restore(std::int32_t freeSpins, bool autoPlay) {
  freeSpins_ = freeSpins;
  autoPlay_ = autoPlay;
  // A round resumed counts on from the spins still waiting; what it paid before is not kept.
  round_.reset();
  if (freeSpins > 0) round_ = FreeRound{freeSpins, 0, 0, false};
  spinIsFree_ = false;
  spinsLeft_ = choices_.spins;
  limitReached_ = false;
}

}  // namespace tarvolenka
