#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

namespace tarvolenka::testing {

struct ResumeSoakReport {
  int kills = 0;
  int series = 0;
  int restsChecked = 0;           // balances at rest held against the uninterrupted game
  std::map<std::string, int> in;  // what the resume file held at each kill
  // The uninterrupted game's ledger, which every series ended on exactly.
  std::int64_t startBalance = 0;
  std::int64_t stakes = 0;
  std::int64_t wins = 0;
  std::int64_t finalBalance = 0;
};

// Plays the resume driver once without interruption up to `experienceLimit`, then over and
// over in fresh folders, each time SIGKILLing it at a random moment and starting it again
// until `kills` kills are done, letting the last start of each series play to its end. Every
// balance at rest, and the end, must be the uninterrupted game's. Throws InvariantBroken.
ResumeSoakReport RunResumeSoak(const std::string& driver, const std::filesystem::path& dir,
                               int kills, std::int64_t experienceLimit, std::uint64_t seed);

}  // namespace tarvolenka::testing
