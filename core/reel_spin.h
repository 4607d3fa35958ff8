#pragma once

#include <array>
#include <cstdint>

#include "core/random.h"
#include "core/reels.h"
#include "core/spin_schedule.h"

namespace tarvolenka {

inline constexpr int kRestOffset = -125;  // a reel at rest: row 0 just above the reel area

// The reels' steps, in pixels a tick: a paid spin's, and the free spins' quicker one.
inline constexpr std::int32_t kPaidSpinStep = 10;
inline constexpr std::int32_t kFreeSpinStep = 25;

// The stop schedule's length for a spin moving `step` pixels a tick, in milliseconds: the first
// tick's period and those of every tick after it but the last, which ends the spin.
constexpr int ScheduledSpinMs(std::int32_t step) {
  int ms = durations::kSpinTickStart;
  std::int32_t offset = kRestOffset;
  int advances = 0;
  for (;;) {
    offset += step;
    if (offset > 0) {
      offset = kRestOffset;
      ++advances;
    }
    if (advances >= kStopAfter.back()) return ms;
    ms += TickPeriod(advances);
  }
}

// The reels as a start shows them: four advances of every reel from the empty window.
void FillReelsAtStart(ReelWindow& reels, Random& rng);

// What one tick of the spin timer did.
struct SpinTick {
  bool advanced = false;  // the turning reels moved on one cell: their symbols changed
  bool click = false;     // the cells came to rest in their places
  bool ended = false;     // the last reel has stopped: the spin is over
  int period = 0;         // the timer's next period while the spin goes on, in milliseconds
};

// The reels' spin: each tick moves the turning reels down by the step; a whole cell's move
// advances them by one symbol, drawn from the generator, and the stop schedule stops reel after
// reel until the last one ends the spin.
class ReelSpin {
 public:
  // All reels turn, from their rest.
  void Start() { turning_.fill(1); }
  SpinTick Tick(ReelWindow& reels, Random& rng);
  // The spin is over: every reel rests in its place.
  void Rest();
  void SetStep(std::int32_t step) { step_ = step; }

  std::int32_t step() const { return step_; }
  std::int32_t advances() const { return advances_; }
  std::int32_t offset() const { return offset_; }
  // Where each reel's top row is drawn, in pixels from the reel area's top.
  const std::array<std::int32_t, kReels>& reelOffsets() const { return reelOffsets_; }
  const ReelFlags& turning() const { return turning_; }

 private:
  std::int32_t offset_ = kRestOffset;
  std::array<std::int32_t, kReels> reelOffsets_{kRestOffset, kRestOffset, kRestOffset, kRestOffset,
                                                kRestOffset};
  ReelFlags turning_{};
  std::int32_t advances_ = 0;
  std::int32_t step_ = kPaidSpinStep;
};

static_assert(ScheduledSpinMs(kPaidSpinStep) == 2119 && ScheduledSpinMs(kFreeSpinStep) == 978);

}  // namespace tarvolenka
