#include "core/save_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/temp_dir.h"

namespace tarvolenka {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

SaveBytes Sample(std::uint8_t seed) {
  GameState s = NewGameState(46000.5);
  s.Balance = 1000 + seed;
  s.Unused44 = {seed, 2, 3, 4};
  s.Reserved72[3] = 0xAB;
  s.Unused113[6] = 0xCD;
  return Encode(s);
}

TEST(SaveFile, WritesExactlyTheStateBytesToANewFile) {
  TempDir dir;
  SaveFile file(dir / kSaveFileName);
  ASSERT_TRUE(file.Write(Sample(1)));
  const auto bytes = ReadFileBytes(file.path());
  ASSERT_EQ(bytes.size(), kSaveSize);
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), Sample(1).begin()));
  EXPECT_EQ(file.Read(), Sample(1));
}

TEST(SaveFile, KeepsTheTailOfALongerFileAcrossSaves) {
  TempDir dir;
  SaveFile file(dir / kSaveFileName);
  const SaveBytes first = Sample(1);  // one object: both iterators must come from the same one
  std::vector<unsigned char> content(first.begin(), first.end());
  for (int i = 0; i < 37; ++i) content.push_back(static_cast<unsigned char>(0xF0 ^ i));
  WriteFileBytes(file.path(), content);

  ASSERT_EQ(file.Read(), Sample(1));  // only the first 120 bytes are the state
  ASSERT_TRUE(file.Write(Sample(2)));
  ASSERT_TRUE(file.Write(Sample(3)));
  const auto after = ReadFileBytes(file.path());
  ASSERT_EQ(after.size(), content.size());
  EXPECT_TRUE(std::equal(after.begin(), after.begin() + kSaveSize, Sample(3).begin()));
  EXPECT_TRUE(std::equal(after.begin() + kSaveSize, after.end(), content.begin() + kSaveSize));
}

TEST(SaveFile, UnusedBytesComeBackUnchanged) {
  TempDir dir;
  SaveFile file(dir / kSaveFileName);
  ASSERT_TRUE(file.Write(Sample(9)));
  const GameState loaded = Decode(*file.Read());
  EXPECT_EQ(loaded.Unused44[0], 9);
  EXPECT_EQ(loaded.Reserved72[3], 0xAB);
  EXPECT_EQ(loaded.Unused113[6], 0xCD);
  EXPECT_EQ(Encode(loaded), Sample(9));
}

TEST(SaveFile, FilesThatCannotHoldAGameCountAsAbsent) {
  TempDir dir;
  SaveFile file(dir / kSaveFileName);
  EXPECT_FALSE(file.Read()) << "absent";
  WriteFileBytes(file.path(), std::vector<unsigned char>(119, 0x11));
  EXPECT_FALSE(file.Read()) << "short";
  WriteFileBytes(file.path(), std::vector<unsigned char>(120, 0));
  EXPECT_FALSE(file.Read()) << "all zero";
  WriteFileBytes(file.path(), {});
  EXPECT_FALSE(file.Read()) << "empty";
  std::filesystem::remove(file.path());
  std::filesystem::create_directory(file.path());
  EXPECT_FALSE(file.Read()) << "a directory cannot be read as a file";
}

TEST(SaveFile, AnUnreadableFileCountsAsAbsent) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  TempDir dir;
  SaveFile file(dir / kSaveFileName);
  ASSERT_TRUE(file.Write(Sample(1)));
  ::chmod(file.path().c_str(), 0);
  EXPECT_FALSE(file.Read());
}

TEST(SaveFile, AnInterruptedSaveLeavesTheOldFileIntact) {
  TempDir dir;
  SaveFile file(dir / kSaveFileName);
  ASSERT_TRUE(file.Write(Sample(1)));
  // The save dies after writing its temporary file and before renaming it.
  const auto temp = file.WriteTemporary(Sample(2));
  ASSERT_TRUE(temp);
  EXPECT_NE(*temp, file.path());
  EXPECT_EQ(file.Read(), Sample(1));
  // The next save replaces the leftover and lands whole.
  ASSERT_TRUE(file.Write(Sample(3)));
  EXPECT_EQ(file.Read(), Sample(3));
  EXPECT_FALSE(std::filesystem::exists(*temp));
}

TEST(SaveFile, AFailedSaveReportsItAndKeepsTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempDir dir;
  SaveFile file(dir / kSaveFileName);
  ASSERT_TRUE(file.Write(Sample(1)));
  ::chmod(dir.path().c_str(), 0555);
  EXPECT_FALSE(file.Write(Sample(2)));
  ::chmod(dir.path().c_str(), 0755);
  EXPECT_EQ(file.Read(), Sample(1));
}

TEST(SaveFile, ASaveIntoAMissingFolderFailsWithoutCreatingIt) {
  TempDir dir;
  SaveFile file(dir.path() / "missing" / kSaveFileName);
  EXPECT_FALSE(file.Write(Sample(1)));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing"));
}

TEST(SaveFile, AnEmptyPathKeepsNoFileAnywhere) {
  TempDir dir;
  const auto before = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());  // a write to "" must not land in the working folder
  SaveFile none("");
  EXPECT_FALSE(none.Write(Sample(1)));
  EXPECT_FALSE(none.WriteTemporary(Sample(1)).has_value());
  EXPECT_FALSE(none.Read().has_value());
  std::filesystem::current_path(before);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace tarvolenka
