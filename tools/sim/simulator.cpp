#include "tools/sim/simulator.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <thread>
#include <vector>

#include "tools/sim/sim_random.h"

namespace tarvolenka::sim {
namespace {

constexpr std::int64_t kProgressStep = 1 << 14;  // spins between progress counts
constexpr auto kProgressPeriod = std::chrono::milliseconds(200);

}  // namespace

std::int64_t SpinsOfThread(std::int64_t spins, int threads, int index) {
  return spins / threads + (index < spins % threads ? 1 : 0);
}

RunResult Simulate(const RunOptions& options, const std::function<void(double)>& progress) {
  const int threads = options.threads < 1 ? 1 : options.threads;
  std::vector<Tally> tallies(static_cast<std::size_t>(threads));
  std::vector<std::exception_ptr> failures(static_cast<std::size_t>(threads));
  std::atomic<std::int64_t> played{0};
  std::atomic<int> running{threads};
  const std::int64_t stake = std::int64_t{options.settings.lines} * options.settings.stake;
  const auto start = std::chrono::steady_clock::now();
  {
    std::vector<std::jthread> workers;
    for (int t = 0; t < threads; ++t) {
      workers.emplace_back([&, t] {
        try {
          Session session(options.settings, ThreadSeed(options.seed, t));
          Tally& tally = tallies[static_cast<std::size_t>(t)];
          const std::int64_t mine = SpinsOfThread(options.spins, threads, t);
          for (std::int64_t i = 0; i < mine; ++i) {
            const PaidSpinResult paid =
                session.PlayPaidSpin([&tally](const SpinResult& spin) { tally.AddSpin(spin); });
            tally.AddPaidSpin(paid, stake);
            if ((i + 1) % kProgressStep == 0) played += kProgressStep;
          }
        } catch (...) {
          failures[static_cast<std::size_t>(t)] = std::current_exception();
        }
        --running;
      });
    }
    while (progress && running > 0) {
      progress(static_cast<double>(played) /
               static_cast<double>(std::max<std::int64_t>(options.spins, 1)));
      std::this_thread::sleep_for(kProgressPeriod);
    }
  }
  if (progress) progress(1.0);
  for (const auto& failure : failures)
    if (failure) std::rethrow_exception(failure);
  RunResult result;
  for (const Tally& t : tallies) result.tally.Merge(t);
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return result;
}

}  // namespace tarvolenka::sim
