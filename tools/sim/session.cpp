#include "tools/sim/session.h"

#include "core/arith.h"
#include "core/free_spins.h"
#include "core/paylines.h"
#include "core/reel_spin.h"
#include "core/spin_schedule.h"

namespace tarvolenka::sim {

std::int64_t PaidSpinResult::total() const {
  std::int64_t sum = lines + freeSpins + doubleUp;
  for (std::int64_t b : bonus) sum += b;
  return sum;
}

Session::Session(const Settings& settings, std::uint64_t seed)
    : settings_(settings),
      lineStake_(settings.stake),
      stream_(seed),
      player_(stream_, rng_, settings.doubleUp) {
  // The start-up fill: four advances of all reels from the empty window.
  rng_.Seed(ReadClock(stream_));
  FillReelsAtStart(reels_, rng_);
  for (int i = 0; i < kWarmUpSpins; ++i) RunReels();
}

// Every spin starts with a re-seed from the clock.
void Session::RunReels() {
  rng_.Seed(ReadClock(stream_));
  AdvanceReels(reels_, kStopSchedule, rng_);
}

std::int64_t Session::SpinLinesOnly() {
  RunReels();
  return EvaluateLinePays(reels_).total;
}

// The end of a spin as the spin cycle runs it: the line win, the bonus round, the free spins.
SpinResult Session::PlaySpin() {
  RunReels();
  SpinResult r;
  // A window pays at most 50 lines × 200000 per unit of stake, so no product with a stake per
  // line saturates, and the lines' wins can be added before they are multiplied.
  const std::int64_t stake = Widen(lineStake_);
  const LinePays pays = EvaluateLinePays(reels_);
  r.lineWin = SatMul(pays.total, stake);
  r.multiplierLineWin = SatMul(pays.withMultiplier, stake);
  r.bonusSymbols = CountVisible(reels_, kBonusSymbol);
  const std::int64_t paid = player_.PlayBonus(bonus_, r.bonusSymbols, lineStake_);
  r.bonusGame = bonus_.round().choice;
  // The game adds the bonus win to the spin's last win, which saturates.
  r.bonusWin = SatAdd(r.lineWin, paid) - r.lineWin;
  r.scatters = CountVisible(reels_, kScatterSymbol);
  r.freeSpinsAwarded = FreeSpinsFor(r.scatters);
  return r;
}

// The double-up on a last win of `win`: the game takes the win from the balance and gives back
// what is in hand when the window closes. Returns what it added.
std::int64_t Session::Gamble(std::int64_t win) {
  return SatAdd(SatSub(0, win), player_.Gamble(win));
}

}  // namespace tarvolenka::sim
