// The cost of keeping the player's record: gathering a winning spin, writing its game as a JSON
// line and appending it to the history, trims included as they come every thousand games.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "core/game_record.h"
#include "core/history_file.h"

namespace tarvolenka {
namespace {

void BM_HistoryRecord(benchmark::State& state) {
  char folder[] = "/tmp/tarvolenka-history-bench-XXXXXX";
  if (::mkdtemp(folder) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  HistoryFile file(std::filesystem::path(folder) / kHistoryFileName);
  Random r;
  r.Seed(3);
  ReelWindow w;
  const ReelFlags all{1, 1, 1, 1, 1};
  for (int i = 0; i < 4; ++i) AdvanceReels(w, all, r);
  GameRecord game;
  game.start = MakeDateTime(2026, 12, 8, 23, 0, 0);
  game.lineCount = 50;
  game.lineStake = 10;
  game.stake = 500;
  for (auto _ : state) {
    AdvanceReels(w, all, r);
    WinningLineFlags flags{};
    EvaluateLines(w, flags);
    game.spins.clear();
    game.spins.push_back(RecordSpin(w, flags, game.lineStake));
    if (!file.Append(GameLine(game, 100000), true)) state.SkipWithError("append failed");
  }
  // Trimmed as it went: no more than 11 000 games are left.
  state.counters["games_kept"] = static_cast<double>(file.Read().lines.size());
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_HistoryRecord)->Iterations(30000);

}  // namespace
}  // namespace tarvolenka
