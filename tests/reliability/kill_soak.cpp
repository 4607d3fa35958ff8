// Soak run of the kill test: kill_soak [--runs N] [--seed S]. Kills the save churn driver N
// times at random moments and checks the save file after each death.

#include <cstdlib>
#include <cstring>
#include <iostream>

#include "tests/reliability/kill_harness.h"
#include "tests/support/invariant_broken.h"
#include "tests/support/temp_dir.h"

int main(int argc, char** argv) {
  int runs = 300;
  unsigned long long seed = 1;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--runs") == 0) runs = std::atoi(argv[i + 1]);
    if (std::strcmp(argv[i], "--seed") == 0) seed = std::strtoull(argv[i + 1], nullptr, 10);
  }
  tarvolenka::testing::TempDir dir(tarvolenka::testing::Storage::Disk);
  try {
    const auto r =
        tarvolenka::testing::RunKillSeries(TARVOLENKA_SAVE_CHURN, dir.path(), runs, seed);
    std::cout << r.runs << " kills, " << r.saves << " saves confirmed; " << r.killedStarting
              << " killed before their first save, " << r.killedAfterRename
              << " after a rename not yet confirmed, " << r.leftoverTemporary
              << " left a half-written temporary file; every file held a whole state\n";
  } catch (const tarvolenka::testing::InvariantBroken& e) {
    std::cerr << "BROKEN: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
