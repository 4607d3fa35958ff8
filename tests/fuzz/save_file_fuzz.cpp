// libFuzzer target: arbitrary bytes as the save file of a game that is then played a little.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/save_file_check.h"
#include "tests/support/invariant_broken.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    tarvolenka::testing::CheckSaveFile({data, size});
  } catch (const tarvolenka::testing::InvariantBroken& e) {
    std::fprintf(stderr, "save file check: %s\n", e.what());
    std::abort();
  }
  return 0;
}
