// Costs of the machine's hot paths: evaluating a window and advancing the reels.

#include <benchmark/benchmark.h>

#include "paylines.h"
#include "reels.h"

namespace tarvolenka {
namespace {

void BM_EvaluateLines(benchmark::State& state) {
  Random r;
  r.Seed(1);
  std::vector<ReelWindow> windows(1024);
  const ReelFlags all{1, 1, 1, 1, 1};
  for (auto& w : windows)
    for (int i = 0; i < 4; ++i) AdvanceReels(w, all, r);
  WinningLineFlags flags{};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvaluateLines(windows[i++ & 1023], flags));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_EvaluateLines);

void BM_AdvanceReels(benchmark::State& state) {
  Random r;
  r.Seed(2);
  ReelWindow w;
  const ReelFlags all{1, 1, 1, 1, 1};
  for (int i = 0; i < 4; ++i) AdvanceReels(w, all, r);
  for (auto _ : state) {
    AdvanceReels(w, all, r);
    benchmark::DoNotOptimize(w);
  }
}
BENCHMARK(BM_AdvanceReels);

}  // namespace
}  // namespace tarvolenka
