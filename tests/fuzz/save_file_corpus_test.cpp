// Replays the committed fuzzing corpus in every build, also those without a fuzzer.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/fuzz/save_file_check.h"
#include "tests/support/invariant_broken.h"
#include "tests/support/temp_dir.h"

namespace tarvolenka::testing {
namespace {

TEST(SaveFileCorpus, EverySeedLoadsKeepsItsSoundFieldsAndSavesCleanly) {
  int seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(TARVOLENKA_FUZZ_CORPUS)) {
    if (!entry.is_regular_file()) continue;
    const std::vector<unsigned char> bytes = ReadFileBytes(entry.path());
    try {
      CheckSaveFile(bytes);
    } catch (const InvariantBroken& e) {
      ADD_FAILURE() << entry.path().filename() << ": " << e.what();
    }
    ++seeds;
  }
  EXPECT_GE(seeds, 5);
}

}  // namespace
}  // namespace tarvolenka::testing
