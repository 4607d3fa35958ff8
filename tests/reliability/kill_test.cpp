// The real save path on the real Qt desktop, killed with SIGKILL at random moments: the save
// file always holds a whole state, the last one confirmed or the one being written.

#include <gtest/gtest.h>

#include <iostream>

#include "tests/reliability/kill_harness.h"
#include "tests/support/invariant_broken.h"
#include "tests/support/temp_dir.h"

namespace tarvolenka::testing {
namespace {

TEST(KilledWhileSaving, TheSaveFileAlwaysHoldsAWholeStateWrittenLast) {
  TempDir dir(Storage::Disk);  // a durability proof: on a real disk
  KillReport report;
  try {
    report = RunKillSeries(TARVOLENKA_SAVE_CHURN, dir.path(), 30, 20261208);
  } catch (const InvariantBroken& e) {
    FAIL() << e.what();
  }
  std::cout << "[kills] " << report.runs << " runs, " << report.saves << " saves confirmed, "
            << report.killedStarting << " killed before their first save, "
            << report.killedAfterRename << " after a rename not yet confirmed, "
            << report.leftoverTemporary << " left a half-written temporary file\n";
  EXPECT_EQ(report.runs, 30);
  // Most deaths must come while the driver saves, or the series proves little.
  EXPECT_GT(report.saves, 0);
  EXPECT_LT(report.killedStarting, report.runs);
}

}  // namespace
}  // namespace tarvolenka::testing
