// Costs of the Qt desktop: one frame of the reel area, and the wall time of whole spins
// against the stop schedule's ideal (2119 ms paid, 978 ms free), alone and with two busy
// processes loading the cores. `schedule_ratio` is the spin's wall time over the schedule's.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

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

// Processes that spin on a core each for as long as this lives.
class BusyProcesses {
 public:
  explicit BusyProcesses(int count) {
    for (int i = 0; i < count; ++i) {
      const pid_t pid = ::fork();
      if (pid == 0) {
        volatile bool busy = true;
        while (busy) {
        }
      }
      if (pid > 0) pids_.push_back(pid);
    }
  }
  ~BusyProcesses() {
    for (const pid_t pid : pids_) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, nullptr, 0);
    }
  }
  BusyProcesses(const BusyProcesses&) = delete;
  BusyProcesses& operator=(const BusyProcesses&) = delete;

 private:
  std::vector<pid_t> pids_;
};

// Wall time of one spin from the start click until the reels rest.
void SpinWallTime(benchmark::State& state, int step) {
  qt::QtDesktop desktop;
  Game game(desktop, BenchSave());
  desktop.Start();
  game.machine().State.Balance = 1'000'000'000;
  game.main().SetBonusStep(nullptr);  // a bonus game would wait for a player
  double total = 0;                   // milliseconds
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
    total += static_cast<double>(clock.nsecsElapsed()) / 1e6;
  }
  state.counters["schedule_ratio"] =
      total / static_cast<double>(state.iterations()) / ScheduledSpinMs(step);
}
void BM_PaidSpinWallTime(benchmark::State& state) {
  SpinWallTime(state, kPaidSpinStep);
}
void BM_FreeSpinWallTime(benchmark::State& state) {
  SpinWallTime(state, kFreeSpinStep);
}
// The same paid spin while two processes keep both cores busy.
void BM_PaidSpinWallTimeUnderLoad(benchmark::State& state) {
  const BusyProcesses load(2);
  SpinWallTime(state, kPaidSpinStep);
}
BENCHMARK(BM_PaidSpinWallTime)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FreeSpinWallTime)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaidSpinWallTimeUnderLoad)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

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
