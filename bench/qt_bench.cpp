// Costs of the Qt desktop: one frame of the reel area, and the wall time of whole spins
// against the stop schedule's ideal (2119 ms paid, 978 ms free).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "game/game.h"
#include "qt/qt_desktop.h"

namespace tarvolenka {
namespace {

std::filesystem::path BenchSave() {
  return std::filesystem::temp_directory_path() / "tarvolenka-bench.cfg";
}

void BM_ReelFrameWithAllLines(benchmark::State& state) {
  qt::QtDesktop desktop;
  Game game(desktop, BenchSave());
  desktop.Start();
  WinningLineFlags all{};
  all.fill(1);
  game.main().cycle().ShowLines(all);  // the worst frame: every line drawn over the reels
  for (auto _ : state) {
    game.main().DrawReels();
    game.main().DrawWinningLines();
    desktop.Repaint(WindowId::Main);
  }
}
BENCHMARK(BM_ReelFrameWithAllLines)->Unit(benchmark::kMicrosecond);

void BM_SpinTick(benchmark::State& state) {
  qt::QtDesktop desktop;
  Game game(desktop, BenchSave());
  desktop.Start();
  for (auto _ : state) {
    game.main().DrawReels();
    desktop.Repaint(WindowId::Main);
  }
}
BENCHMARK(BM_SpinTick)->Unit(benchmark::kMicrosecond);

// Wall time of one spin from the start click until the reels rest.
void SpinWallTime(benchmark::State& state, int step) {
  qt::QtDesktop desktop;
  Game game(desktop, BenchSave());
  desktop.Start();
  game.machine().State.Balance = 1'000'000'000;
  game.main().SetBonusStep(nullptr);  // a bonus game would wait for a player
  for (auto _ : state) {
    // Whatever the last spin brought (free spins, a grey panel), start from idle.
    game.main().cycle().Reset();
    desktop.StopTimer(TimerOf(MainTimer::FreeSpin));
    game.main().EnableControls();
    game.main().spin().SetStep(step);
    QElapsedTimer clock;
    clock.start();
    game.main().Start();
    while (desktop.IsTimerRunning(TimerOf(MainTimer::Spin)))
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
  }
}
void BM_PaidSpinWallTime(benchmark::State& state) {
  SpinWallTime(state, 10);
}
void BM_FreeSpinWallTime(benchmark::State& state) {
  SpinWallTime(state, 25);
}
BENCHMARK(BM_PaidSpinWallTime)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FreeSpinWallTime)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvolenka

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("TARVOLENKA_MUTE", "1", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove(tarvolenka::BenchSave());
  return 0;
}
