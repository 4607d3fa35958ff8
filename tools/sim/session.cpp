#include "tools/sim/session.h"

#include "core/arith.h"
#include "core/free_spins.h"
#include "core/reel_spin.h"
#include "core/reseed.h"
#include "core/spin_schedule.h"

namespace tarvolenka::sim {
namespace {

// The machines keep no save file.
constexpr const char* kNoSaveFile = "";

}  // namespace

std::int64_t PaidSpinResult::total() const {
  std::int64_t sum = lines + freeSpins + doubleUp;
  for (std::int64_t b : bonus) sum += b;
  return sum;
}

Session::Session(const Settings& settings, std::uint64_t seed)
    : settings_(settings),
      stream_(seed),
      desktop_(stream_),
      game_(desktop_, kNoSaveFile),
      player_(stream_, game_.doubleUp(), settings.doubleUp) {
  desktop_.SetPlayer(&player_);
  Machine& m = game_.machine();
  m.State = NewGameState(desktop_.NowLocal());
  m.State.SoundOn = 0;
  m.State.LineCount = settings.lines;
  m.State.LineStake = settings.stake;
  m.State.TotalStake = settings.lines * settings.stake;
  m.State.Balance = 0;  // the money is followed here, not in the balance
  // The start-up fill: four advances of all reels from the empty window.
  ReseedFromClock(desktop_, m.Rng);
  FillReelsAtStart(m.Reels, m.Rng);
  for (int i = 0; i < kWarmUpSpins; ++i) RunReels();
}

void Session::RunReels() {
  Machine& m = game_.machine();
  ReseedFromClock(desktop_, m.Rng);
  AdvanceReels(m.Reels, kStopSchedule, m.Rng);
}

std::int64_t Session::SpinLinesOnly() {
  RunReels();
  Machine& m = game_.machine();
  return EvaluateLines(m.Reels, winningLines_);
}

// The end of a spin as the spin cycle runs it: the line win, the bonus step, the free spins.
SpinResult Session::PlaySpin() {
  RunReels();
  Machine& m = game_.machine();
  SpinResult r;
  const std::int64_t stake = Widen(m.State.LineStake);
  r.lineWin = SatMul(EvaluateLines(m.Reels, winningLines_), stake);
  if (r.lineWin > 0) {
    for (std::size_t i = 0; i < kPaylineTable.size(); ++i) {
      if (winningLines_[i] != 1) continue;
      const LineSymbols symbols = SymbolsOnLine(m.Reels, kPaylineTable[i]);
      if (RunOnLine(symbols).factor > 1) r.multiplierLineWin += SatMul(LinePay(symbols), stake);
    }
  }
  m.State.LastWin = r.lineWin;
  game_.bonus().RunBonus({});  // the headless desktop plays it to its end at once
  r.bonusSymbols = game_.bonus().round().symbolCount;
  r.bonusGame = game_.bonus().round().choice;
  r.bonusWin = m.State.LastWin - r.lineWin;
  m.State.Balance = 0;
  r.scatters = CountVisible(m.Reels, kScatterSymbol);
  r.freeSpinsAwarded = FreeSpinsFor(r.scatters);
  return r;
}

// The main window's double-up handler, on a last win of `win`; returns what it added.
std::int64_t Session::Gamble(std::int64_t win) {
  Machine& m = game_.machine();
  m.State.LastWin = win;
  m.State.Balance = 0;
  m.DoubleEnabled = 1;
  game_.main().OpenDoubleUp();
  const std::int64_t added = m.State.Balance;  // the stake left and the amount in hand came back
  m.State.Balance = 0;
  return added;
}

}  // namespace tarvolenka::sim
