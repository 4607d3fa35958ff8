// The history under SIGKILL while it is appended to and trimmed in the background, again and
// again: it always reads without damage and holds every game appended once, as it stands or in
// the totals record of a trim.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <iostream>
#include <random>
#include <string>

#include "history/history_file.h"
#include "tests/reliability/child_process.h"
#include "tests/support/invariant_broken.h"
#include "tests/support/temp_dir.h"

namespace tarvolenka::testing {
namespace {

std::int64_t Appended(const std::string& said, const std::string& where) {
  Require(said.rfind("APPENDED ", 0) == 0, where + said);
  return std::stoll(said.substr(9));
}

TEST(KilledWhileTrimming, TheHistoryIsWholeWithEveryGameOnce) {
  TempDir dir(Storage::Disk);  // a durability proof: on a real disk
  std::mt19937_64 rng(20261210);
  std::int64_t games = 0;
  std::int64_t trimmed = 0;
  try {
    for (int run = 1; run <= 30; ++run) {
      const std::string where = "run " + std::to_string(run) + ": ";
      std::int64_t confirmed = games;
      {
        ChildProcess child(TARVOLENKA_HISTORY_CHURN, {std::to_string(games)}, dir.path());
        const auto deadline = std::chrono::steady_clock::now() +
                              std::chrono::milliseconds(std::uniform_int_distribution(5, 400)(rng));
        while (std::chrono::steady_clock::now() < deadline)
          if (const auto said = child.ReadLine(50)) confirmed = Appended(*said, where);
        child.Signal(SIGKILL);
        const auto status = child.Wait(30000);
        Require(status && WIFSIGNALED(*status), where + "the driver ended by itself");
        while (const auto said = child.ReadLine(200)) confirmed = Appended(*said, where);
      }
      // Game n stakes n credits: games 1 to n, each once, stake n(n + 1) / 2 in all.
      const HistoryLines read = HistoryFile(dir / kHistoryFileName).Read();
      const HistoryStats stats = ComputeStats(read.lines, 0).lifetime;
      games = stats.games;
      Require(read.damaged == 0, where + std::to_string(read.damaged) + " damaged lines");
      Require(games == confirmed || games == confirmed + 1,
              where + std::to_string(games) + " games after game " + std::to_string(confirmed));
      Require(stats.staked == games * (games + 1) / 2, where + "a game lost or written twice");
      trimmed = read.lines.empty() ? 0 : RecordNumber(read.lines[0], "games").value_or(0);
    }
  } catch (const InvariantBroken& e) {
    FAIL() << e.what();
  }
  std::cout << "[history kills] 30 runs, " << games << " games, " << trimmed
            << " of them in the totals record\n";
  EXPECT_GT(trimmed, 0);  // the series proves little unless it trimmed
}

}  // namespace
}  // namespace tarvolenka::testing
