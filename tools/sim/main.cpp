// tarvolenka-sim: the machine's return to player, exact and simulated, from the game's own code.

#include <unistd.h>

#include <cstdio>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "exact/exact.h"
#include "tools/sim/options.h"
#include "tools/sim/reports.h"
#include "tools/sim/simulator.h"
#include "tools/sim/summary.h"

namespace {

using namespace tarvolenka;
using namespace tarvolenka::sim;

void DrawProgress(double done) {
  constexpr int kWidth = 40;
  const int filled = static_cast<int>(done * kWidth);
  std::string bar(static_cast<std::size_t>(filled), '#');
  bar.resize(kWidth, '.');
  std::fprintf(stderr, "\r[%s] %3d %%", bar.c_str(), static_cast<int>(done * 100));
  if (done >= 1) std::fprintf(stderr, "\r%*s\r", kWidth + 9, "");
  std::fflush(stderr);
}

int Run(const Options& options) {
  const ExactFigures exact = ComputeExact(ExactPlayOf(options.run.settings));
  const bool bar = options.progress && isatty(STDERR_FILENO) == 1;
  const RunResult run = Simulate(options.run, bar ? DrawProgress : std::function<void(double)>{});
  const Summary summary = Summarize(options.run, exact, run);
  const std::string report = options.json ? JsonReport(summary) : TextReport(summary);
  std::fwrite(report.data(), 1, report.size(), stdout);
  if (!options.reportDir.empty()) {
    std::string error;
    if (!WriteReportDir(summary, options.reportDir, error)) {
      std::fprintf(stderr, "tarvolenka-sim: %s\n", error.c_str());
      return 1;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const auto options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc),
                                    std::thread::hardware_concurrency(), error);
  if (!options) {
    std::fprintf(stderr, "tarvolenka-sim: %s\n%s", error.c_str(), Usage().c_str());
    return 2;
  }
  if (options->help) {
    std::fputs(Usage().c_str(), stdout);
    return 0;
  }
  try {
    return Run(*options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tarvolenka-sim: %s\n", e.what());
    return 1;
  }
}
