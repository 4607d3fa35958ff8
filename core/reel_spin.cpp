#include "core/reel_spin.h"

#include "core/spin_schedule.h"

namespace tarvolenka {

void FillReelsAtStart(ReelWindow& reels, Random& rng) {
  constexpr ReelFlags kAllTurn{1, 1, 1, 1, 1};
  for (int i = 0; i < 4; ++i) AdvanceReels(reels, kAllTurn, rng);
}

SpinTick ReelSpin::Tick(ReelWindow& reels, Random& rng) {
  SpinTick tick;
  offset_ += step_;
  if (offset_ > 0) {
    offset_ = kRestOffset;
    AdvanceReels(reels, turning_, rng);
    advances_ += 1;
    tick.advanced = true;
  }
  tick.click = offset_ == kRestOffset;
  if (advances_ >= kStopAfter.back()) {
    tick.ended = true;
    return tick;
  }
  tick.period = TickPeriod(advances_);
  const int stopped = ReelsStopped(advances_);
  for (int reel = 1; reel <= kReels; ++reel) {
    const auto i = static_cast<std::size_t>(reel - 1);
    if (reel <= stopped) {
      turning_[i] = 0;
      reelOffsets_[i] = kRestOffset;
    } else {
      reelOffsets_[i] = offset_;
    }
  }
  return tick;
}

void ReelSpin::Rest() {
  advances_ = 0;
  offset_ = kRestOffset;
  reelOffsets_.fill(kRestOffset);
  turning_.fill(0);
}

}  // namespace tarvolenka
