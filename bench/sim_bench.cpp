// Spins per second per core of the simulator: line-only spins (a re-seed, the stop schedule's
// advances and the line evaluation) and full spins (with bonus games, free spins and their
// triggers, as the simulator plays them), beside the bare generator chain a spin cannot go
// below: the yardstick for what the rest of a paid spin costs.

#include <benchmark/benchmark.h>

#include "core/reels.h"
#include "core/spin_schedule.h"
#include "tools/sim/session.h"

namespace tarvolenka::sim {
namespace {

// The floor of a spin: the stop schedule's 111 dependent draws, each a step of the generator
// and a look-up of the drawn symbol, and nothing else. A paid spin's items per second against
// this one's is the share of a spin's time the generator itself takes.
void BM_BareGeneratorChain(benchmark::State& state) {
  constexpr int kDrawsPerSpin = 111;
  Random r;
  std::uint32_t seed = 0;
  for (auto _ : state) {
    r.Seed(seed += 7919);
    unsigned symbols = 0;
    for (int i = 0; i < kDrawsPerSpin; ++i) symbols += kSymbolOfDraw[r.Below(kSymbolWeightTotal)];
    benchmark::DoNotOptimize(symbols);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BareGeneratorChain);

// Paid spins, features included, as the simulator's speed line counts them.
void BM_PaidSpin(benchmark::State& state) {
  Session session(Settings{}, 2);
  for (auto _ : state) benchmark::DoNotOptimize(session.PlayPaidSpin([](const SpinResult&) {}));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PaidSpin);

void BM_LineOnlySpin(benchmark::State& state) {
  Session session(Settings{}, 1);
  for (auto _ : state) benchmark::DoNotOptimize(session.SpinLinesOnly());
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LineOnlySpin);

void BM_FullSpin(benchmark::State& state) {
  Session session(Settings{}, 2);
  std::int64_t spins = 0;
  for (auto _ : state) {
    const PaidSpinResult paid = session.PlayPaidSpin([&spins](const SpinResult&) { ++spins; });
    benchmark::DoNotOptimize(paid);
  }
  state.SetItemsProcessed(spins);  // paid and free spins
}
BENCHMARK(BM_FullSpin);

void BM_FullSpinWithDoubleUp(benchmark::State& state) {
  Settings settings;
  settings.doubleUp = {DoubleStrategy::Kind::CollectAt, 2};
  Session session(settings, 3);
  std::int64_t spins = 0;
  for (auto _ : state) {
    const PaidSpinResult paid = session.PlayPaidSpin([&spins](const SpinResult&) { ++spins; });
    benchmark::DoNotOptimize(paid);
  }
  state.SetItemsProcessed(spins);
}
BENCHMARK(BM_FullSpinWithDoubleUp);

// The stop schedule's 21 advances, one call each as the spin cycle makes them, and as one batch,
// from a filled window and a new seed each spin.
template <class Advance>
void RunSchedule(benchmark::State& state, Advance advance) {
  Random r;
  ReelWindow w;
  for (int i = 0; i < 4; ++i) AdvanceReels(w, ReelFlags{1, 1, 1, 1, 1}, r);
  std::uint32_t seed = 0;
  for (auto _ : state) {
    r.Seed(seed += 7919);
    advance(w, r);
    benchmark::DoNotOptimize(w);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_ScheduleOneAdvanceAtATime(benchmark::State& state) {
  RunSchedule(state, [](ReelWindow& w, Random& r) {
    for (const ReelFlags& f : kStopSchedule) AdvanceReels(w, f, r);
  });
}
BENCHMARK(BM_ScheduleOneAdvanceAtATime);

void BM_ScheduleAsOneBatch(benchmark::State& state) {
  RunSchedule(state, [](ReelWindow& w, Random& r) { AdvanceReels(w, kStopSchedule, r); });
}
BENCHMARK(BM_ScheduleAsOneBatch);

}  // namespace
}  // namespace tarvolenka::sim
