// The cost of keeping the player's record: gathering a winning spin, writing its game as a JSON
// line and appending it to the history, trims included as they come every thousand games; the
// game kept under way at each free spin; and on a full history, the history window's reading
// back of its last hundred games and the statistics' count of the whole.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/game_record.h"
#include "history/history_file.h"
#include "history/past_game.h"

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
  // Trimmed as it went, in the background: no more than 11 000 games are left once the last
  // trim has landed.
  if (!file.Settle()) state.SkipWithError("trim failed");
  state.counters["games_kept"] = static_cast<double>(file.Read().lines.size());
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_HistoryRecord)->Iterations(30000);

// A game of eleven spins, as ten free spins make it.
GameRecord FreeSpinsGame() {
  Random r;
  r.Seed(5);
  ReelWindow w;
  const ReelFlags all{1, 1, 1, 1, 1};
  // The reels filled first, as a game's are: a spin with empty cells is not one to list.
  for (int i = 0; i < 4; ++i) AdvanceReels(w, all, r);
  GameRecord game;
  game.start = MakeDateTime(2026, 12, 8, 23, 0, 0);
  game.lineCount = 50;
  game.lineStake = 10;
  game.stake = 500;
  for (int spin = 0; spin < 11; ++spin) {
    AdvanceReels(w, all, r);
    WinningLineFlags flags{};
    EvaluateLines(w, flags);
    game.spins.push_back(RecordSpin(w, flags, game.lineStake));
  }
  return game;
}

void BM_KeepOpenGame(benchmark::State& state) {
  char folder[] = "/tmp/tarvolenka-history-bench-XXXXXX";
  if (::mkdtemp(folder) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  HistoryFile file(std::filesystem::path(folder) / kHistoryFileName);
  const GameRecord game = FreeSpinsGame();
  for (auto _ : state)
    if (!file.KeepOpenGame(GameLine(game, 100000, true))) state.SkipWithError("keep failed");
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_KeepOpenGame)->Iterations(20000);

// The history window and the statistics opening on a full history of 11 000 games.
void BM_ReadFullHistory(benchmark::State& state) {
  char folder[] = "/tmp/tarvolenka-history-bench-XXXXXX";
  if (::mkdtemp(folder) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::filesystem::path path = std::filesystem::path(folder) / kHistoryFileName;
  {
    GameRecord game = FreeSpinsGame();
    std::string all;
    for (int i = 0; i < static_cast<int>(kHistoryTrimAbove); ++i) {
      game.spins.resize(i % 20 == 0 ? 11 : 1);  // one game in twenty with free spins
      all += GameLine(game, 100000 + i) + '\n';
    }
    std::FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite(all.data(), 1, all.size(), out);
    std::fclose(out);
  }
  const bool lastHundred = state.range(0) == 0;
  for (auto _ : state) {
    HistoryFile file(path);
    if (lastHundred) {
      benchmark::DoNotOptimize(file.ReadRecentGames(100));
    } else {
      file.Figures();
      file.Settle();
      benchmark::DoNotOptimize(file.Figures());
    }
  }
  state.SetLabel(lastHundred ? "history window: the last 100 read back and parsed"
                             : "statistics: the history counted, in the background");
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ReadFullHistory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvolenka
