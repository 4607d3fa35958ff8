// Costs of the machine's hot paths: evaluating a window, advancing the reels and making a block
// of draws ahead by each method this processor offers.

#include <benchmark/benchmark.h>

#include "core/draw_block.h"
#include "core/paylines.h"
#include "core/reels.h"

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

// The simulator's line pay, by each form this processor offers, over windows the reels show.
void BM_EvaluateLinePays(benchmark::State& state, LinePayForm form) {
  Random r;
  r.Seed(3);
  std::vector<ReelWindow> windows(1024);
  const ReelFlags all{1, 1, 1, 1, 1};
  for (auto& w : windows)
    for (int i = 0; i < 4; ++i) AdvanceReels(w, all, r);
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(EvaluateLinePays(form, windows[i++ & 1023]));
}

const bool kLinePaysRegistered = [] {
  constexpr const char* kNames[] = {"BM_EvaluateLinePays/Plain", "BM_EvaluateLinePays/Avx512"};
  for (LinePayForm f : LinePayForms())
    benchmark::RegisterBenchmark(kNames[static_cast<int>(f)], BM_EvaluateLinePays, f);
  return true;
}();

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

void BM_DrawBlock(benchmark::State& state, DrawBlock::Method method) {
  DrawBlock block;
  std::uint32_t start = 0;
  for (auto _ : state) {
    block.DrawBy(method, start += 7919);
    benchmark::DoNotOptimize(block);
  }
  state.SetItemsProcessed(state.iterations() * DrawBlock::kSize);
}

// Registered at start-up: only the methods this processor runs.
const bool kDrawBlockRegistered = [] {
  constexpr const char* kNames[] = {"BM_DrawBlock/OneByOne", "BM_DrawBlock/Avx2",
                                    "BM_DrawBlock/Avx512", "BM_DrawBlock/Avx512Vbmi"};
  for (DrawBlock::Method m : DrawBlock::Methods())
    benchmark::RegisterBenchmark(kNames[static_cast<int>(m)], BM_DrawBlock, m);
  return true;
}();

}  // namespace
}  // namespace tarvolenka
