// Cost of keeping the player's files: one save as the game makes it after every spin (written
// beside the file, flushed, renamed, the folder flushed), one resume record as the game writes it
// at every change of what is in flight, and the record's encoding alone; in the folder given by
// TARVOLENKA_BENCH_DIR or the working folder.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "core/resume_encoding.h"
#include "core/resume_journal.h"
#include "core/save_file.h"

namespace tarvolenka {
namespace {

std::filesystem::path BenchFolder() {
  const char* dir = std::getenv("TARVOLENKA_BENCH_DIR");
  return dir != nullptr ? std::filesystem::path(dir) : std::filesystem::current_path();
}

ResumeRecord BonusRecord() {
  ResumeRecord r;
  r.kind = InFlight::Bonus;
  r.baseCount = 2;
  r.stage = BonusStageId::Cups;
  r.window.dealt = 1;
  return r;
}

void BM_Save(benchmark::State& state) {
  const SaveFile file(BenchFolder() / "save-bench.cfg");
  const SaveBytes bytes = Encode(NewGameState(46000.5));
  for (auto _ : state) benchmark::DoNotOptimize(file.Save(bytes));
  std::filesystem::remove(file.path());
}
BENCHMARK(BM_Save)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_ResumeWrite(benchmark::State& state) {
  const ResumeFile file(BenchFolder() / "resume-bench.resume");
  const ResumeRecord record = BonusRecord();
  for (auto _ : state) benchmark::DoNotOptimize(file.Write(record));
  file.Remove();
}
BENCHMARK(BM_ResumeWrite)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_ResumeEncode(benchmark::State& state) {
  const ResumeRecord record = BonusRecord();
  for (auto _ : state) benchmark::DoNotOptimize(EncodeResume(record));
}
BENCHMARK(BM_ResumeEncode);

}  // namespace
}  // namespace tarvolenka
