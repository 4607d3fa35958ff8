// Driver of the history kill test: appends games to the history in the working folder as fast
// as it can, numbered on from its argument, game n staking n credits, counted and trimmed in the
// background every ten games, and says "APPENDED n" once game n is in.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/game_record.h"
#include "history/history_file.h"

int main(int argc, char** argv) {
  using namespace tarvolenka;
  long n = argc > 1 ? std::atol(argv[1]) : 0;
  HistoryFile history(std::filesystem::current_path() / kHistoryFileName, {50, 60, 0});
  GameRecord game;
  game.spins.resize(1);
  game.spins[0].cells.fill(5);
  for (;;) {
    game.start = MakeDateTime(2026, 12, 10, 9, 0, 0) + static_cast<double>(++n) / 86400;
    game.stake = n;
    const SaveResult appended = history.Append(GameLine(game, 0), true);
    const std::string said =
        appended.ok() ? "APPENDED " + std::to_string(n) + "\n" : "FAILED " + appended.error + "\n";
    if (::write(STDOUT_FILENO, said.data(), said.size()) < 0 || !appended.ok()) return 1;
  }
}
