// The real game on the Qt desktop, SIGKILLed at random moments of spins, free spins, every
// bonus game and the double-up and started again: each resumed game passes through the
// balances of the same game never interrupted and ends on its ledger exactly.

#include <gtest/gtest.h>

#include <iostream>

#include "tests/reliability/resume_harness.h"
#include "tests/support/invariant_broken.h"
#include "tests/support/temp_dir.h"

namespace tarvolenka::testing {
namespace {

TEST(KilledMidGame, TheResumedGameEndsOnTheUninterruptedLedger) {
  TempDir dir(Storage::Disk);  // a durability proof: on a real disk
  ResumeSoakReport report;
  try {
    report = RunResumeSoak(TARVOLENKA_RESUME_DRIVER, dir.path(), 30, 1200, 20261208);
  } catch (const InvariantBroken& e) {
    FAIL() << e.what();
  }
  std::cout << "[resume] " << report.kills << " kills in " << report.series << " games, "
            << report.restsChecked << " rests checked, ledger " << report.startBalance << " - "
            << report.stakes << " + " << report.wins << " = " << report.finalBalance << "\n";
  for (const auto& [where, n] : report.in) std::cout << "[resume]   " << n << " " << where << "\n";
  EXPECT_EQ(report.kills, 30);
  // Most kills must find something in flight, or the series proves little.
  EXPECT_LT(report.in["nothing in flight"], report.kills / 2);
}

}  // namespace
}  // namespace tarvolenka::testing
