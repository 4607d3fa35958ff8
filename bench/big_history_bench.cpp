// The history at its worst: a million games (about 330 MB) made on the disk; the history
// window's and the statistics' opening on it; then a session's games appended to it one by one
// at a brisk auto-play's pace, each append timed as the game's UI thread sees it (wall time of
// the call and the thread's own CPU time), while the history is counted and trimmed in the
// background. The peak memory of the process is printed after each part.
//
//   big_history_bench [--games N] [--appends K] [--pace MS] [--damage MB] [--dir FOLDER]
//
// --damage ends the history with that many megabytes of damaged lines.
// The folder defaults to $TARVOLENKA_DISK_TMPDIR or /var/tmp: a real disk, as a player's is.

#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "catalogue/durations.h"
#include "core/file_access.h"
#include "core/game_record.h"
#include "core/paylines.h"
#include "core/reels.h"
#include "history/history_file.h"
#include "history/past_game.h"

namespace tarvolenka {
namespace {

struct Options {
  long games = 1'000'000;
  long damageMb = 0;  // damaged lines after the games, as an edited or broken file ends
  int appends = 500;
  int paceMs = 20;
  std::filesystem::path folder;
};

double WallMs() {
  return std::chrono::duration<double, std::milli>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

double ThreadCpuMs() {
  timespec t{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The process's peak resident memory since the last reset, from the kernel's high-water mark.
long PeakMemoryMb() {
  const FileRead status = ReadHead("/proc/self/status", 16384, LinkRule::Refuse);
  const std::size_t at = status.bytes.find("VmHWM:");
  return at == std::string::npos ? -1 : std::atol(status.bytes.c_str() + at + 6) / 1024;
}

// Brings the high-water mark down to what the process holds now, so that each part's peak is
// its own.
void ResetPeakMemory() {
  (void)AppendToFile("/proc/self/clear_refs", "5");
}

// One game as the machine writes it: a paid spin on real reels, its wins and pays.
class GameMaker {
 public:
  GameMaker() {
    random_.Seed(7);
    for (int i = 0; i < 4; ++i) AdvanceReels(reels_, kAll, random_);
    game_.start = MakeDateTime(2024, 1, 1, 10, 0, 0);
    game_.lineCount = 50;
    game_.lineStake = 10;
    game_.stake = 500;
    game_.level = 12;
    game_.balanceBefore = 1'000'000;
  }

  // One game in twenty keeps its wins: about 330 bytes a game, near a player's average.
  std::string Next() {
    AdvanceReels(reels_, kAll, random_);
    WinningLineFlags flags{};
    std::int64_t won = EvaluateLines(reels_, flags) * game_.lineStake;
    if (++count_ % 20 != 0) {
      flags = {};
      won = 0;
    }
    game_.spins.assign(1, RecordSpin(reels_, flags, game_.lineStake));
    game_.start += 2.0 / 86400;  // a game every two seconds
    const std::int64_t after = game_.balanceBefore - game_.stake + won;
    std::string line = GameLine(game_, after);
    game_.balanceBefore = after;
    return line;
  }

 private:
  static constexpr ReelFlags kAll{1, 1, 1, 1, 1};
  Random random_;
  ReelWindow reels_;
  long count_ = 0;
  GameRecord game_;
};

bool MakeHistory(const std::filesystem::path& path, long games, GameMaker& maker) {
  std::string chunk;
  for (long i = 0; i < games; ++i) {
    chunk += maker.Next();
    chunk += '\n';
    if (chunk.size() >= (8u << 20) || i + 1 == games) {
      if (!AppendToFile(path, chunk)) return false;
      chunk.clear();
    }
  }
  return true;
}

struct Spread {
  double first = 0, median = 0, p99 = 0, max = 0, total = 0;
};

Spread SpreadOf(std::vector<double> v) {
  Spread s;
  if (v.empty()) return s;
  s.first = v.front();
  for (double x : v) s.total += x;
  std::sort(v.begin(), v.end());
  s.median = v[v.size() / 2];
  s.p99 = v[std::min(v.size() - 1, v.size() * 99 / 100)];
  s.max = v.back();
  return s;
}

void PrintSpread(const char* what, const Spread& s) {
  std::printf("  %-22s first %9.3f  median %8.3f  p99 %8.3f  max %9.3f  total %10.1f ms\n", what,
              s.first, s.median, s.p99, s.max, s.total);
}

off_t SizeOf(const std::filesystem::path& path) {
  return OpenForReading(path, LinkRule::Refuse).size;
}

int Run(const Options& options) {
  std::string pattern = (options.folder / "tarvolenka-big-history-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  const std::filesystem::path folder = pattern;
  const std::filesystem::path path = folder / kHistoryFileName;
  GameMaker maker;
  double started = WallMs();
  if (!MakeHistory(path, options.games, maker)) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::filesystem::remove_all(folder);
    return 1;
  }
  if (options.damageMb > 0) {
    // Lines that look like records until their last field: each costs the reader a look.
    const std::string damaged = "{\"version\":1,\"kind\":\"double_up\",\"double_staked\":1}\n";
    std::string chunk;
    while (chunk.size() < (1u << 20)) chunk += damaged;
    for (long mb = 0; mb < options.damageMb; ++mb) AppendToFile(path, chunk);
  }
  std::printf("history: %ld games, %.1f MB in %s, made in %.1f s; peak memory %ld MB\n",
              options.games, static_cast<double>(SizeOf(path)) / 1e6, folder.c_str(),
              (WallMs() - started) / 1e3, PeakMemoryMb());

  ResetPeakMemory();
  // The history window opening: the last hundred games read back from the end and parsed.
  {
    const HistoryFile file(path);
    const double w = WallMs();
    const double c = ThreadCpuMs();
    const std::vector<PastGame> games = file.ReadRecentGames(100);
    std::printf(
        "history window: %zu games in %.3f ms (UI thread CPU %.3f ms); peak memory %ld MB\n",
        games.size(), WallMs() - w, ThreadCpuMs() - c, PeakMemoryMb());
  }
  ResetPeakMemory();
  // The statistics opening on a run's first look at the history: the count begins in the
  // background, and the window looks again until the figures are there.
  {
    HistoryFile file(path);
    const double w = WallMs();
    const double c = ThreadCpuMs();
    HistoryFigures figures = file.Figures();
    std::printf("statistics: opened in %.3f ms (UI thread CPU %.3f ms), %s\n", WallMs() - w,
                ThreadCpuMs() - c,
                figures.state == HistoryFigures::State::Ready ? "figures ready" : "counting");
    double looks = 0;
    while (figures.state == HistoryFigures::State::Counting) {
      std::this_thread::sleep_for(std::chrono::milliseconds(durations::kStatisticsCounting));
      const double l = WallMs();
      figures = file.Figures();
      looks = std::max(looks, WallMs() - l);
    }
    std::printf(
        "  %lld games counted in the background in %.1f s (each look at most %.3f ms); "
        "peak memory %ld MB\n",
        static_cast<long long>(figures.stats.lifetime.games), (WallMs() - w) / 1e3, looks,
        PeakMemoryMb());
  }
  ResetPeakMemory();
  // A session: its games appended one by one, as the main window does after each save. The
  // count, then the trim, run in the background meanwhile.
  std::vector<double> wall, cpu;
  int failed = 0;
  int trimmedAt = 0;
  {
    HistoryFile file(path);
    for (int i = 0; i < options.appends; ++i) {
      const std::string line = maker.Next();
      const double w = WallMs();
      const double c = ThreadCpuMs();
      const SaveResult result = file.Append(line, true);
      cpu.push_back(ThreadCpuMs() - c);
      wall.push_back(WallMs() - w);
      failed += result.ok() ? 0 : 1;
      if (trimmedAt == 0 && SizeOf(path) < 100'000'000) trimmedAt = i + 1;
      std::this_thread::sleep_for(std::chrono::milliseconds(options.paceMs));
    }
    if (!file.Settle()) ++failed;
  }
  std::printf(
      "appending %d games, %d ms apart (%d failed); trimmed at game %d; file now %.1f MB:\n",
      options.appends, options.paceMs, failed, trimmedAt, static_cast<double>(SizeOf(path)) / 1e6);
  PrintSpread("wall per game", SpreadOf(wall));
  PrintSpread("UI thread CPU per game", SpreadOf(cpu));
  std::printf("  peak memory %ld MB\n", PeakMemoryMb());

  std::filesystem::remove_all(folder);
  return 0;
}

}  // namespace
}  // namespace tarvolenka

int main(int argc, char** argv) {
  tarvolenka::Options options;
  const char* disk = std::getenv("TARVOLENKA_DISK_TMPDIR");
  options.folder = disk != nullptr && disk[0] == '/' ? disk : "/var/tmp";
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i];
    const char* value = argv[i + 1];
    if (flag == "--games") {
      options.games = std::atol(value);
    } else if (flag == "--appends") {
      options.appends = std::atoi(value);
    } else if (flag == "--pace") {
      options.paceMs = std::atoi(value);
    } else if (flag == "--damage") {
      options.damageMb = std::atol(value);
    } else if (flag == "--dir") {
      options.folder = value;
    } else {
      std::fprintf(stderr,
                   "usage: %s [--games N] [--appends K] [--pace MS] [--damage MB] [--dir FOLDER]\n",
                   argv[0]);
      return 2;
    }
  }
  return tarvolenka::Run(options);
}
