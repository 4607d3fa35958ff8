// Spins per second per core of the simulator: line-only spins (a re-seed, the stop schedule's
// advances and the line evaluation) and full spins (with bonus games, free spins and their
// triggers, as the simulator plays them).

#include <benchmark/benchmark.h>

#include "session.h"
#include "spin_schedule.h"

namespace tarvolenka::sim {
namespace {

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

// The stop schedule's 21 advances, one call each as the spin cycle makes them, and as one batch.
std::array<ReelFlags, kStopAfter.back()> Schedule() {
  std::array<ReelFlags, kStopAfter.back()> s{};
  for (int a = 0; a < kStopAfter.back(); ++a)
    for (int reel = 1; reel <= kReels; ++reel)
      s[static_cast<std::size_t>(a)][static_cast<std::size_t>(reel - 1)] =
          reel > ReelsStopped(a) ? 1 : 0;
  return s;
}

void BM_ScheduleOneAdvanceAtATime(benchmark::State& state) {
  const auto schedule = Schedule();
  Random r;
  ReelWindow w;
  const ReelFlags all{1, 1, 1, 1, 1};
  for (int i = 0; i < 4; ++i) AdvanceReels(w, all, r);
  std::uint32_t seed = 0;
  for (auto _ : state) {
    r.Seed(seed += 7919);
    for (const ReelFlags& f : schedule) AdvanceReels(w, f, r);
    benchmark::DoNotOptimize(w);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ScheduleOneAdvanceAtATime);

void BM_ScheduleAsOneBatch(benchmark::State& state) {
  const auto schedule = Schedule();
  Random r;
  ReelWindow w;
  const ReelFlags all{1, 1, 1, 1, 1};
  for (int i = 0; i < 4; ++i) AdvanceReels(w, all, r);
  std::uint32_t seed = 0;
  for (auto _ : state) {
    r.Seed(seed += 7919);
    AdvanceReels(w, schedule, r);
    benchmark::DoNotOptimize(w);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ScheduleAsOneBatch);

}  // namespace
}  // namespace tarvolenka::sim
