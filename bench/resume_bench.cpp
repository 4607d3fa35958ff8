// Cost of keeping the resume file: one record written as the game writes it at every change of
// what is in flight (encoded, written beside the file, flushed, renamed, the folder flushed), in
// the folder given by TARVOLENKA_BENCH_DIR or the working folder; and the encoding alone.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "core/resume_encoding.h"
#include "core/resume_journal.h"

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
