// Soak run of the resume test: resume_soak [--kills N] [--seed S] [--experience E]. Kills the
// resume driver N times at random moments and holds every resumed game against the same game
// never interrupted.

#include <cstdlib>
#include <cstring>
#include <iostream>

#include "tests/reliability/resume_harness.h"
#include "tests/support/invariant_broken.h"
#include "tests/support/temp_dir.h"

int main(int argc, char** argv) {
  int kills = 1000;
  unsigned long long seed = 1;
  long long experience = 3000;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--kills") == 0) kills = std::atoi(argv[i + 1]);
    if (std::strcmp(argv[i], "--seed") == 0) seed = std::strtoull(argv[i + 1], nullptr, 10);
    if (std::strcmp(argv[i], "--experience") == 0) experience = std::atoll(argv[i + 1]);
  }
  tarvolenka::testing::TempDir dir(tarvolenka::testing::Storage::Disk);
  try {
    const auto r = tarvolenka::testing::RunResumeSoak(TARVOLENKA_RESUME_DRIVER, dir.path(), kills,
                                                      experience, seed);
    std::cout << r.kills << " kills in " << r.series << " games, " << r.restsChecked
              << " balances at rest checked; every game ended on " << r.startBalance << " - "
              << r.stakes << " + " << r.wins << " = " << r.finalBalance << "\nkilled in:\n";
    for (const auto& [where, n] : r.in) std::cout << "  " << n << "  " << where << "\n";
  } catch (const tarvolenka::testing::InvariantBroken& e) {
    std::cerr << "BROKEN: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
