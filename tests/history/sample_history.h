#pragma once

// Histories for the tests: game n stakes n credits a minute after game n - 1 and wins every
// third, with double-ups, level-ups and damage between the games when asked.

#include <filesystem>
#include <fstream>
#include <string>

#include "core/game_record.h"

namespace tarvolenka::testing {

// A game record, without its line end. One whose cells hold no symbol cannot be drawn.
inline std::string Game(int n, bool drawable = true) {
  GameRecord g;
  g.start = 46000 + n / 1440.0;
  g.stake = n;
  g.level = 1 + n / 40;
  SpinRecord spin;
  spin.cells.fill(drawable ? 4 : 0);
  if (n % 3 == 0) spin.wins.push_back({1, 4, 3, 1, 25 * n});
  g.spins.push_back(spin);
  return GameLine(g, 1000 + n);
}

// Games `first` to `last`; `extras` puts double-ups, level-ups and damaged lines between them.
inline std::string Games(int first, int last, bool extras = false) {
  std::string text;
  for (int n = first; n <= last; ++n) {
    const DateTime t = 46000 + n / 1440.0;
    text += Game(n) + '\n';
    if (extras && n % 5 == 0) text += DoubleUpLine(t, 25, 50, {{1, 1, false}}, 1) + '\n';
    if (extras && n % 17 == 0) text += AwardLine("level_up", t, 100, 2, 3) + '\n';
    if (extras && n % 23 == 0) text += "{\"version\":1,\"kind\":\"game\",\"t\":\n";
  }
  return text;
}

inline void Write(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

}  // namespace tarvolenka::testing
