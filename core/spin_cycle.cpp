#include "core/spin_cycle.h"

#include "core/arith.h"
#include "core/free_spins.h"

namespace tarvolenka {

bool SpinCycle::StakePaidSpin(GameState& s) {
  lines_.fill(0);
  const std::int64_t stake = Widen(s.TotalStake);
  if (s.Balance < stake) return false;
  s.Balance -= stake;
  s.Experience = SatAdd(s.Experience, stake);
  return true;
}

void SpinCycle::TakeFreeSpin(GameState& s) {
  freeSpins_ -= 1;
  lines_.fill(0);
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
  return awarded;
}

bool SpinCycle::ToggleAutoPlay() {
  autoPlay_ = !autoPlay_;
  return autoPlay_;
}

void SpinCycle::Restore(std::int32_t freeSpins, bool autoPlay) {
  freeSpins_ = freeSpins;
  autoPlay_ = autoPlay;
}

}  // namespace tarvolenka
