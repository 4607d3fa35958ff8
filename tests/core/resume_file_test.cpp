// The resume file: its encoding, damage detection, atomic replacement and setting aside, and
// the journal's rule that a record applies only on top of one of its saves.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/resume_encoding.h"
#include "core/resume_journal.h"
#include "tests/support/temp_dir.h"

namespace tarvolenka {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

ResumeRecord FullRecord() {
  ResumeRecord r;
  r.kind = InFlight::Bonus;
  r.baseCount = 2;
  r.state = NewGameState(MakeDateTime(2026, 12, 8));
  r.seed = 0xdeadbeef;
  r.bases[0].fill(7);
  r.bases[1].fill(9);
  r.state.Balance = -123456789012345;
  for (std::size_t i = 0; i < r.reels.cells.size(); ++i) r.reels.cells[i] = (i % 15) + 1;
  r.freeSpins = 17;
  r.autoPlay = 1;
  r.stage = BonusStageId::GoldenBoard;
  r.round = {4, 3, 2, 100000, 5, 3};
  r.window.dealt = 1;
  r.window.counts = {1, 2, 3, 4, 5, 6};
  for (std::size_t i = 0; i < r.window.values.size(); ++i) r.window.values[i] = -7 * int(i);
  r.window.marks[3] = 1;
  r.doubleAmount = 640;
  return r;
}

TEST(ResumeEncoding, EveryFieldComesBackAsWritten) {
  const ResumeRecord r = FullRecord();
  const auto decoded = DecodeResume(EncodeResume(r));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(*decoded, r);
}

TEST(ResumeEncoding, AnyDamageIsRefused) {
  const auto good = EncodeResume(FullRecord());
  for (std::size_t at : {std::size_t{0}, std::size_t{4}, std::size_t{8}, std::size_t{20},
                         good.size() / 2, good.size() - 1}) {
    auto bad = good;
    bad[at] ^= 0x10;
    EXPECT_FALSE(DecodeResume(bad)) << "byte " << at;
  }
  auto shorter = good;
  shorter.pop_back();
  EXPECT_FALSE(DecodeResume(shorter));
  auto longer = good;
  longer.push_back(0);
  EXPECT_FALSE(DecodeResume(longer));
  EXPECT_FALSE(DecodeResume({}));
}

TEST(ResumeFileOnDisk, IsReplacedWholeAndReadBack) {
  TempDir dir;
  const ResumeFile file(dir / "Tarvolenka.resume");
  ResumeRecord r = FullRecord();
  ASSERT_TRUE(file.Write(r));
  r.seed = 42;
  ASSERT_TRUE(file.Write(r));
  const ResumeLoadResult loaded = file.Load();
  ASSERT_EQ(loaded.status, ResumeLoad::Loaded);
  EXPECT_EQ(loaded.record, r);
  EXPECT_FALSE(std::filesystem::exists(dir / "Tarvolenka.resume.new"));
  EXPECT_EQ(ResumeFile::BesideSave(dir / "Tarvolenka.cfg"), dir / "Tarvolenka.resume");
}

TEST(ResumeFileOnDisk, WithoutAPathNothingIsReadOrWritten) {
  const ResumeFile file("");
  EXPECT_FALSE(file.Write(FullRecord()));
  EXPECT_EQ(file.Load().status, ResumeLoad::Absent);
}

int CountSetAside(const std::filesystem::path& dir) {
  int n = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir))
    n += e.path().filename().string().rfind("Tarvolenka.resume.unusable-", 0) == 0 ? 1 : 0;
  return n;
}

TEST(ResumeJournalAtStart, ADamagedFileIsSetAsideAndNothingResumes) {
  TempDir dir;
  WriteFileBytes(dir / "Tarvolenka.resume", {'j', 'u', 'n', 'k'});
  ResumeJournal journal(dir / "Tarvolenka.resume");
  EXPECT_FALSE(journal.TakeAtStart(SaveBytes{}));
  EXPECT_FALSE(std::filesystem::exists(dir / "Tarvolenka.resume"));
  EXPECT_EQ(CountSetAside(dir.path()), 1);
}

TEST(ResumeJournalAtStart, AFolderOrAPipeInItsPlaceIsSetAsideWithoutBlocking) {
  TempDir dir;
  std::filesystem::create_directory(dir / "Tarvolenka.resume");
  ResumeJournal journal(dir / "Tarvolenka.resume");
  EXPECT_FALSE(journal.TakeAtStart(SaveBytes{}));
  ASSERT_EQ(::mkfifo((dir / "Tarvolenka.resume").c_str(), 0600), 0);
  EXPECT_FALSE(journal.TakeAtStart(SaveBytes{}));
  EXPECT_EQ(CountSetAside(dir.path()), 2);
}

// A hand-made record with a valid checksum once collected a negative double-up amount.
TEST(ResumeJournalAtStart, ARecordPlayCannotProduceIsSetAsideAndNothingResumes) {
  const auto negativeDoubleUp = [](ResumeRecord& r) {
    r.kind = InFlight::DoubleUp;
    r.state.LastWin = 50;
    r.doubleAmount = -970'050;
  };
  const auto pastTheLadder = [](ResumeRecord& r) {
    r.kind = InFlight::DoubleUp;
    r.state.LastWin = 50;
    r.doubleAmount = 50 * 300 + 1;
  };
  const auto negativeFreeSpins = [](ResumeRecord& r) { r.freeSpins = -3; };
  for (const auto& spoil : {+negativeDoubleUp, +pastTheLadder, +negativeFreeSpins}) {
    TempDir dir;
    SaveBytes base{};
    base[0] = 1;
    ResumeRecord record;
    record.baseCount = 1;
    record.bases[0] = base;
    spoil(record);
    ASSERT_TRUE(ResumeFile(dir / "Tarvolenka.resume").Write(record));
    ResumeJournal journal(dir / "Tarvolenka.resume");
    EXPECT_FALSE(journal.TakeAtStart(base));
    EXPECT_EQ(CountSetAside(dir.path()), 1);
  }
}

TEST(ResumeJournalAtStart, ARecordAppliesOnlyOnTopOfOneOfItsSaves) {
  TempDir dir;
  ResumeJournal journal(dir / "Tarvolenka.resume");
  SaveBytes base{};
  base[0] = 1;
  journal.TakeAtStart(base);
  journal.Record(FullRecord());
  SaveBytes during = base;
  during[1] = 2;
  journal.BeforeSave(during);  // a save made while the step is in flight
  journal.AfterSave(during, true);

  const auto onBase = ResumeJournal(dir / "Tarvolenka.resume").TakeAtStart(base);
  ASSERT_TRUE(onBase);
  EXPECT_EQ(onBase->seed, FullRecord().seed);
  EXPECT_TRUE(ResumeJournal(dir / "Tarvolenka.resume").TakeAtStart(during));

  SaveBytes later = during;
  later[2] = 3;  // the game finished the step and saved after it
  EXPECT_FALSE(ResumeJournal(dir / "Tarvolenka.resume").TakeAtStart(later));
  EXPECT_FALSE(std::filesystem::exists(dir / "Tarvolenka.resume"));
}

TEST(ResumeJournalAtRest, TheFileGoesOnlyOnceTheFinalSaveHasLanded) {
  TempDir dir;
  ResumeJournal journal(dir / "Tarvolenka.resume");
  journal.TakeAtStart(SaveBytes{});
  journal.Record(FullRecord());
  journal.AtRest();
  SaveBytes final{};
  final[5] = 5;
  journal.BeforeSave(final);
  const auto kept = ResumeFile(dir / "Tarvolenka.resume").Load();
  ASSERT_EQ(kept.status, ResumeLoad::Loaded);
  EXPECT_FALSE(kept.record.AppliesOn(final));  // the final save is never one of its bases
  journal.AfterSave(final, false);
  EXPECT_TRUE(std::filesystem::exists(dir / "Tarvolenka.resume"));
  journal.AfterSave(final, true);
  EXPECT_FALSE(std::filesystem::exists(dir / "Tarvolenka.resume"));
}

}  // namespace
}  // namespace tarvolenka
