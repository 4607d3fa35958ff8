// Soak run of the monkey player: millions of events on the virtual desktop with the ledger and
// the invariants checked after each, reported with the speed reached.
//
//   monkey_soak [--events N] [--seed S] [--seeds K]
//
// Plays K games (seeds S, S+1, ...) of N events each; exits 1 at the first broken promise,
// printing the seed and event that replay it.

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "tests/reliability/monkey_table.h"
#include "tests/support/invariant_broken.h"

namespace {

long long Arg(int argc, char** argv, const char* name, long long fallback) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], name) == 0) return std::atoll(argv[i + 1]);
  return fallback;
}

}  // namespace

int main(int argc, char** argv) {
  using tarvolenka::testing::InvariantBroken;
  using tarvolenka::testing::MonkeyTable;
  const long long events = Arg(argc, argv, "--events", 1'000'000);
  const long long firstSeed = Arg(argc, argv, "--seed", 1);
  const long long games = Arg(argc, argv, "--seeds", 1);

  long long total = 0;
  const auto start = std::chrono::steady_clock::now();
  for (long long g = 0; g < games; ++g) {
    const auto seed = static_cast<std::uint64_t>(firstSeed + g);
    MonkeyTable table(seed);
    try {
      table.monkey().Play(events);
    } catch (const InvariantBroken& e) {
      std::cerr << "BROKEN: " << e.what() << "\n";
      return 1;
    }
    total += table.monkey().counts().events;
    std::cout << "seed " << seed << ": " << table.monkey().Summary() << "\n";
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << total << " events in " << seconds
            << " s: " << static_cast<long long>(static_cast<double>(total) / seconds)
            << " events per second\n";
  return 0;
}
