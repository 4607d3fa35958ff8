#pragma once

// Runs a simulation on several threads, each a session of its own with its own stream, and
// merges their tallies in thread order.

#include <cstdint>
#include <functional>

#include "tools/sim/session.h"
#include "tools/sim/tally.h"

namespace tarvolenka::sim {

struct RunOptions {
  std::int64_t spins = 10'000'000;  // paid spins
  int threads = 1;
  std::uint64_t seed = 1;
  Settings settings;
};

struct RunResult {
  Tally tally;
  double seconds = 0;  // wall-clock time of the run
};

// The paid spins thread `index` of `threads` plays: an equal share, the first ones one more.
std::int64_t SpinsOfThread(std::int64_t spins, int threads, int index);

// `progress`, when given, is called on the calling thread a few times a second with the share
// of the spins played.
RunResult Simulate(const RunOptions& options, const std::function<void(double)>& progress = {});

}  // namespace tarvolenka::sim
