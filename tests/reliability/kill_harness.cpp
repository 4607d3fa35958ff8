#include "tests/reliability/kill_harness.h"

#include <signal.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <random>

#include "core/save_file.h"
#include "tests/reliability/child_process.h"
#include "tests/reliability/churn_state.h"
#include "tests/support/invariant_broken.h"
#include "tests/support/temp_dir.h"

namespace tarvolenka::testing {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kStartupPatienceMs = 120000;

// What one run of the driver said before it died.
struct RunLog {
  std::optional<std::uint32_t> loaded;
  std::optional<std::uint32_t> confirmed;
  bool ready = false;
  std::int64_t saves = 0;

  void Take(const std::string& line) {
    if (line == "READY") {
      ready = true;
    } else if (line.rfind("SAVED ", 0) == 0) {
      confirmed = static_cast<std::uint32_t>(std::stoul(line.substr(6)));
      ++saves;
    } else if (line.rfind("LOADED ", 0) == 0) {
      Require(line != "LOADED none", "the driver found no state it ever wrote in the save file");
      loaded = static_cast<std::uint32_t>(std::stoul(line.substr(7)));
    }
  }
};

void ReadUntil(ChildProcess& child, RunLog& log, Clock::time_point deadline) {
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return;
    const auto line = child.ReadLine(static_cast<int>(left));
    if (!line) return;
    log.Take(*line);
  }
}

}  // namespace

KillReport RunKillSeries(const std::string& driver, const std::filesystem::path& dir, int runs,
                         std::uint64_t seed) {
  std::mt19937_64 rng(seed);
  const auto uniform = [&rng](int lowMs, int highMs) {
    return std::chrono::milliseconds(std::uniform_int_distribution<int>(lowMs, highMs)(rng));
  };
  const std::filesystem::path path = dir / kSaveFileName;
  std::filesystem::path temporary = path;
  temporary += ".new";
  const std::vector<unsigned char> tail = ChurnTail();
  {
    const SaveBytes first = Encode(ChurnState(0));
    std::vector<unsigned char> content(kSaveSize + tail.size());
    std::copy(first.begin(), first.end(), content.begin());
    std::copy(tail.begin(), tail.end(), content.begin() + kSaveSize);
    WriteFileBytes(path, content);
  }

  KillReport report;
  std::uint32_t onDisk = 0;
  for (int run = 1; run <= runs; ++run) {
    const std::string where = "run " + std::to_string(run) + ": ";
    RunLog log;
    {
      ChildProcess child(driver, {}, dir);
      if (std::uniform_int_distribution<int>(0, 4)(rng) == 0) {
        // Some deaths come while it starts: loading the file, building the windows.
        ReadUntil(child, log, Clock::now() + uniform(0, 500));
      } else {
        const auto patience = Clock::now() + std::chrono::milliseconds(kStartupPatienceMs);
        while (!log.ready && Clock::now() < patience)
          ReadUntil(child, log, Clock::now() + uniform(1, 50));
        Require(log.ready, where + "the driver never started saving");
        ReadUntil(child, log, Clock::now() + uniform(0, 300));
      }
      child.Signal(SIGKILL);
      const auto status = child.Wait(30000);
      Require(status && WIFSIGNALED(*status) && WTERMSIG(*status) == SIGKILL,
              where + "the driver ended by itself");
      while (const auto line = child.ReadLine(200)) log.Take(*line);
    }

    if (log.loaded) {
      Require(*log.loaded == onDisk, where + "loaded state " + std::to_string(*log.loaded) +
                                         " but the file held " + std::to_string(onDisk));
    }
    const std::uint32_t confirmed = log.confirmed.value_or(onDisk);
    const std::vector<unsigned char> bytes = ReadFileBytes(path);
    Require(bytes.size() == kSaveSize + tail.size(),
            where + "the save file has " + std::to_string(bytes.size()) + " bytes");
    Require(std::equal(tail.begin(), tail.end(), bytes.begin() + kSaveSize),
            where + "the bytes after the state were lost");
    SaveBytes head{};
    std::copy_n(bytes.begin(), kSaveSize, head.begin());
    const auto found = ChurnNumber(head);
    Require(found.has_value(), where + "the save file holds a torn state");
    Require(*found == confirmed || *found == confirmed + 1,
            where + "the save file holds state " + std::to_string(*found) + " after state " +
                std::to_string(confirmed) + " was confirmed");

    ++report.runs;
    report.saves += log.saves;
    if (!log.confirmed) ++report.killedStarting;
    if (*found == confirmed + 1) ++report.killedAfterRename;
    if (std::filesystem::exists(temporary)) ++report.leftoverTemporary;
    onDisk = *found;
  }
  return report;
}

}  // namespace tarvolenka::testing
