#include "tests/reliability/resume_harness.h"

#include <signal.h>

#include <chrono>
#include <optional>
#include <random>
#include <sstream>
#include <vector>

#include "core/resume_file.h"
#include "core/save_file.h"
#include "tests/reliability/child_process.h"
#include "tests/support/invariant_broken.h"
#include "tests/support/temp_dir.h"

namespace tarvolenka::testing {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPatienceMs = 300000;
constexpr int kShortestLifeMs = 50;
constexpr int kLongestLifeMs = 2500;

struct Report {
  std::string word;
  std::int64_t experience = 0;
  std::int64_t balance = 0;
  std::int64_t stakes = 0;
};

Report Parse(const std::string& line) {
  Report r;
  std::istringstream in(line);
  in >> r.word >> r.experience >> r.balance >> r.stakes;
  return r;
}

// The uninterrupted game: its balance at every rest and at its end.
struct Reference {
  std::map<std::int64_t, std::int64_t> rests;
  Report done;
};

Reference PlayThrough(const std::string& driver, const std::filesystem::path& dir,
                      std::int64_t limit) {
  std::filesystem::create_directories(dir);
  ChildProcess child(driver, {std::to_string(limit)}, dir);
  Reference ref;
  while (const auto line = child.ReadLine(kPatienceMs)) {
    const Report r = Parse(*line);
    if (r.word == "REST") ref.rests[r.experience] = r.balance;
    if (r.word == "DONE") {
      ref.done = r;
      child.Wait(kPatienceMs);
      return ref;
    }
  }
  throw InvariantBroken("the uninterrupted game never reached its end");
}

// What the files left by a kill hold for the next start.
std::string InFlightAt(const std::filesystem::path& dir) {
  const ResumeLoadResult loaded = ResumeFile(dir / kResumeFileName).Load();
  Require(loaded.status != ResumeLoad::Damaged, "a kill left a damaged resume file");
  if (loaded.status == ResumeLoad::Absent) return "nothing in flight";
  const auto save = SaveFile(dir / kSaveFileName).Read();
  if (!save || !loaded.record.AppliesOn(*save)) return "a record older than the save";
  static constexpr const char* kStages[] = {"the pause before the chooser",
                                            "the chooser",
                                            "the bottles",
                                            "the cups",
                                            "the meze",
                                            "the golden pick",
                                            "the golden board",
                                            "the result screen",
                                            "the bonus paid"};
  switch (loaded.record.kind) {
    case InFlight::Spin:
      return "a spin";
    case InFlight::SpinPaid:
      return "a spin paid, its end to come";
    case InFlight::FreeSpins:
      return "free spins waiting";
    case InFlight::DoubleUp:
      return "the double-up";
    case InFlight::Bonus:
      return std::string("bonus: ") + kStages[static_cast<int>(loaded.record.stage)];
    case InFlight::TimedBonus:
      return "the timed bonus";
    case InFlight::MegaBonus:
      return "the mega bonus";
    case InFlight::LevelUp:
      return "the level-up";
  }
  return "?";
}

void Check(const Report& r, const Reference& ref, ResumeSoakReport& report) {
  if (r.word == "REST") {
    const auto it = ref.rests.find(r.experience);
    Require(it != ref.rests.end(), "a rest at experience " + std::to_string(r.experience) +
                                       " the uninterrupted game never reached");
    Require(it->second == r.balance, "at experience " + std::to_string(r.experience) +
                                         " the balance is " + std::to_string(r.balance) +
                                         ", uninterrupted " + std::to_string(it->second));
    ++report.restsChecked;
  }
  if (r.word == "DONE")
    Require(r.experience == ref.done.experience && r.balance == ref.done.balance,
            "the game ended on " + std::to_string(r.balance) + ", uninterrupted on " +
                std::to_string(ref.done.balance));
}

}  // namespace

ResumeSoakReport RunResumeSoak(const std::string& driver, const std::filesystem::path& dir,
                               int kills, std::int64_t experienceLimit, std::uint64_t seed) {
  const Reference ref = PlayThrough(driver, dir / "uninterrupted", experienceLimit);
  ResumeSoakReport report;
  report.startBalance = NewGameState(0).Balance;
  report.stakes = ref.done.stakes;
  report.finalBalance = ref.done.balance;
  report.wins = report.finalBalance - report.startBalance + report.stakes;
  std::mt19937_64 rng(seed);
  std::uniform_int_distribution<int> life(kShortestLifeMs, kLongestLifeMs);
  while (report.kills < kills) {
    const std::filesystem::path series = dir / ("series-" + std::to_string(++report.series));
    std::filesystem::create_directories(series);
    for (bool done = false; !done;) {
      const bool last = report.kills >= kills;
      ChildProcess child(driver, {std::to_string(experienceLimit)}, series);
      const auto deadline =
          Clock::now() + std::chrono::milliseconds(last ? kPatienceMs : life(rng));
      while (!done) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) break;
        const auto line = child.ReadLine(static_cast<int>(left.count()));
        if (!line) {
          Require(Clock::now() + std::chrono::milliseconds(5) >= deadline, "the driver died");
          break;
        }
        const Report r = Parse(*line);
        Check(r, ref, report);
        done = r.word == "DONE";
      }
      if (done) break;
      Require(!last, "the resumed game never reached its end");
      child.Signal(SIGKILL);
      child.Wait(kPatienceMs);
      ++report.kills;
      ++report.in[InFlightAt(series)];
    }
  }
  return report;
}

}  // namespace tarvolenka::testing
