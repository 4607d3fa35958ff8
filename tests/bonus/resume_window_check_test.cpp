// A resume record's bonus window or mega wheel is checked against what a deal and play can
// reach before the game continues from it.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "bonus/drinks_rules.h"
#include "bonus/golden_board_rules.h"
#include "bonus/mega_wheel_rules.h"
#include "bonus/meze_rules.h"
#include "bonus/resume_window_check.h"
#include "core/resume_file.h"
#include "core/resume_journal.h"
#include "tests/support/temp_dir.h"

namespace tarvolenka {
namespace {

using testing::TempDir;

constexpr std::int32_t kSymbols = 4;
constexpr std::uint8_t kFouls = 3;

// A bonus record at `stage` holding a fresh deal of that stage's window.
ResumeRecord Dealt(BonusStageId stage) {
  Random rng;
  rng.Seed(2024);
  ResumeRecord r;
  r.kind = InFlight::Bonus;
  r.stage = stage;
  r.round.symbolCount = kSymbols;
  r.round.goldenPick = kFouls;
  switch (stage) {
    case BonusStageId::Chooser: {
      SinglePick<3> hats;
      hats.DealEachValueOnce(rng);
      r.window = hats.Snapshot();
      break;
    }
    case BonusStageId::Bottles: {
      BottlesRules bottles;
      bottles.DealEachValueOnce(rng);
      r.window = bottles.Snapshot();
      break;
    }
    case BonusStageId::GoldenPick: {
      SinglePick<3> covers;
      covers.DealIntoDrawnCovers(rng, 2);
      r.window = covers.Snapshot();
      break;
    }
    case BonusStageId::Cups: {
      CupsRules cups;
      cups.Deal(kSymbols, rng);
      cups.Pick(1);
      r.window = cups.Snapshot();
      break;
    }
    case BonusStageId::Meze: {
      MezeRules meze;
      meze.Deal(kSymbols, rng);
      meze.Pick(MezeRow::Cabbage, 2);
      meze.OpenNextRow();
      r.window = meze.Snapshot();
      break;
    }
    case BonusStageId::GoldenBoard: {
      GoldenBoardRules board;
      board.Deal(kFouls, rng);
      board.Pick(5);
      r.window = board.Snapshot();
      break;
    }
    default:
      break;
  }
  return r;
}

// The first cell whose value is `value`, among the first `n`.
std::size_t CellOf(const BonusWindowState& w, std::int64_t value, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i)
    if (w.values[i] == value) return i;
  return n;
}

struct Row {
  const char* name;
  BonusStageId stage;
  std::function<void(ResumeRecord&)> spoil;  // nothing: the deal as play left it
};

const Row kRows[] = {
    {"HatsAsDealt", BonusStageId::Chooser, {}},
    {"HatsWithAGameTwice", BonusStageId::Chooser, [](ResumeRecord& r) { r.window.values[0] = 1; }},
    {"BottlesAsDealt", BonusStageId::Bottles, {}},
    {"BottlesWithAMultiplierOfSix", BonusStageId::Bottles,
     [](ResumeRecord& r) { r.window.values[CellOf(r.window, 5, kBottles)] = 6; }},
    {"GoldenPickAsDealt", BonusStageId::GoldenPick, {}},
    {"GoldenPickAllowingOneFoul", BonusStageId::GoldenPick,
     [](ResumeRecord& r) { r.window.values[CellOf(r.window, 2, 3)] = 1; }},
    {"CupsAfterOnePick", BonusStageId::Cups, {}},
    {"CupsWithALevelFoundThreeTimes", BonusStageId::Cups,
     [](ResumeRecord& r) { r.window.counts[0] = 3; }},
    {"CupsCountingLessThanTheirOpenedCups", BonusStageId::Cups,
     [](ResumeRecord& r) { r.window.counts = {}; }},
    {"CupsWithALevelUnderFourCups", BonusStageId::Cups,
     [](ResumeRecord& r) {
       r.window.values[CellOf(r.window, 10 * kSymbols, kCups)] = 5 * kSymbols;
     }},
    {"CupsOfAGameWithoutBonusSymbols", BonusStageId::Cups,
     [](ResumeRecord& r) { r.round.symbolCount = 0; }},
    {"MezeAfterTheFirstRow", BonusStageId::Meze, {}},
    {"MezeWithAPickAboveAnUnpickedRow", BonusStageId::Meze,
     [](ResumeRecord& r) { r.window.marks[2 * kMezeCells + 1] = 1; }},
    {"MezeWithTwoPicksInARow", BonusStageId::Meze,
     [](ResumeRecord& r) { r.window.marks[0] = r.window.marks[1] = 1; }},
    {"MezeMarkedAsEndedByAZeroNotPicked", BonusStageId::Meze,
     [](ResumeRecord& r) { r.window.counts[0] = 1; }},
    {"MezeWithAPrizeRaised", BonusStageId::Meze,
     [](ResumeRecord& r) { r.window.values[kMezeCells] += 1; }},
    {"GoldenBoardAfterOneCell", BonusStageId::GoldenBoard, {}},
    {"GoldenBoardPastItsAllowedFouls", BonusStageId::GoldenBoard,
     [](ResumeRecord& r) { r.window.counts[0] = 5; }},
    {"GoldenBoardWithASeventhFoul", BonusStageId::GoldenBoard,
     [](ResumeRecord& r) { r.window.values[CellOf(r.window, 1, kBoardCells)] = 0; }},
    {"GoldenBoardClimbingWithoutCoins", BonusStageId::GoldenBoard,
     [](ResumeRecord& r) { r.window.counts[1] = 7; }},
    {"AWindowNeitherDealtNorFinished", BonusStageId::Cups,
     [](ResumeRecord& r) { r.window.dealt = 9; }},
};

class ResumeWindowCheck : public ::testing::TestWithParam<Row> {};

TEST_P(ResumeWindowCheck, AcceptsWhatPlayLeavesAndRefusesTheRest) {
  ResumeRecord record = Dealt(GetParam().stage);
  ASSERT_EQ(record.window.dealt, 1);
  if (GetParam().spoil) {
    GetParam().spoil(record);
    EXPECT_NE(ImplausibleWindow(record), nullptr);
  } else {
    EXPECT_EQ(ImplausibleWindow(record), nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(Windows, ResumeWindowCheck, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& row) { return row.param.name; });

TEST(ResumeWindowCheck, AMegaWheelBeyondItsStepsIsRefusedAndAFinishedWindowPasses) {
  Random rng;
  rng.Seed(7);
  MegaWheelRules wheel;
  wheel.Deal(300, rng);
  ResumeRecord mega;
  mega.kind = InFlight::MegaBonus;
  mega.window = wheel.Snapshot();
  EXPECT_EQ(ImplausibleWindow(mega), nullptr);
  mega.window.values[0] = -1;
  mega.window.values[1] = 99;
  mega.window.values[2] = 10'000;
  EXPECT_NE(ImplausibleWindow(mega), nullptr);

  ResumeRecord finished = Dealt(BonusStageId::GoldenBoard);
  finished.window.dealt = 2;
  finished.window.counts[0] = 200;
  EXPECT_EQ(ImplausibleWindow(finished), nullptr);
}

TEST(ResumeWindowCheck, TheJournalSetsARefusedRecordAsideAtStart) {
  TempDir dir;
  SaveBytes base{};
  ResumeRecord record = Dealt(BonusStageId::GoldenBoard);
  record.window.counts[0] = 5;
  record.baseCount = 1;
  record.bases[0] = base;
  ASSERT_TRUE(ResumeFile(dir / "Tarvolenka.resume").Write(record));
  ResumeJournal journal(dir / "Tarvolenka.resume");
  journal.SetRecordCheck(&ImplausibleWindow);
  EXPECT_FALSE(journal.TakeAtStart(base));
  EXPECT_FALSE(std::filesystem::exists(dir / "Tarvolenka.resume"));
}

}  // namespace
}  // namespace tarvolenka
