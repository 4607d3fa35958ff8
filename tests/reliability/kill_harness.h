#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace tarvolenka::testing {

struct KillReport {
  int runs = 0;
  int killedStarting = 0;     // killed before the first save of its run
  int killedAfterRename = 0;  // the file already held the state it had not yet confirmed
  int leftoverTemporary = 0;  // a half-written temporary file was left beside the save file
  std::int64_t saves = 0;     // saves confirmed over all runs
};

// Runs the save churn driver `runs` times on one save file in `dir`, each time SIGKILLing it at
// a random moment — while it starts, loads, paints or saves. After every death the save file
// must hold exactly the churn state last confirmed or the one then being written, with the
// bytes after it intact, and the next run must load that very state. Throws InvariantBroken.
KillReport RunKillSeries(const std::string& driver, const std::filesystem::path& dir, int runs,
                         std::uint64_t seed);

}  // namespace tarvolenka::testing
