#include "core/save_file.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <limits.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>

#include "tests/support/temp_dir.h"

namespace tarvolenka {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

constexpr DateTime kNow = 46000.5;

// Runs `check` as the user nobody, since root passes every permission check, and answers
// its exit code.
int AsNobody(const std::function<int()>& check) {
  if (::geteuid() != 0) return check();
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0) _exit(99);
    _exit(check());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

SaveBytes Sample(std::uint8_t seed) {
  GameState s = NewGameState(kNow);
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

TEST(SaveFile, AnUnreadableFileIsUnusableNotAbsent) {
  TempDir dir;
  SaveFile file(dir / kSaveFileName);
  ASSERT_TRUE(file.Write(Sample(1)));
  ::chmod(dir.path().c_str(), 0755);
  ::chmod(file.path().c_str(), 0);
  EXPECT_EQ(AsNobody([&file] { return file.Load(kNow).errorCode == EACCES ? 0 : 1; }), 0);
  ::chmod(file.path().c_str(), 0600);
  EXPECT_EQ(file.Read(), Sample(1));
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

TEST(SaveFile, AFailedSaveReportsWhyAndKeepsTheOldFile) {
  TempDir dir;
  SaveFile file(dir / kSaveFileName);
  ASSERT_TRUE(file.Write(Sample(1)));
  ::chmod(file.path().c_str(), 0666);
  ::chmod(dir.path().c_str(), 0555);  // no temporary file can be made beside the save
  EXPECT_EQ(AsNobody([&file] { return file.Save(Sample(2)).error == "Permission denied" ? 0 : 1; }),
            0);
  ::chmod(dir.path().c_str(), 0755);
  EXPECT_EQ(file.Read(), Sample(1));
  EXPECT_FALSE(std::filesystem::exists(dir / "Tarvolenka.cfg.new"));
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
  EXPECT_EQ(none.Load(kNow).status, LoadStatus::Absent);
  EXPECT_FALSE(none.Save(Sample(1)));
  std::filesystem::current_path(before);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(SaveFile, AnAbsentFileIsToldApartFromANewGameFile) {
  TempDir dir;
  SaveFile file(dir / kSaveFileName);
  EXPECT_EQ(file.Load(kNow).status, LoadStatus::Absent);
  for (std::size_t length : {0, 1, 37, 120}) {
    WriteFileBytes(file.path(), std::vector<unsigned char>(length, 0));
    EXPECT_EQ(file.Load(kNow).status, LoadStatus::NewGame) << length;
  }
}

TEST(SaveFile, AShortFileKeepsEveryFieldItHoldsWhole) {
  TempDir dir;
  SaveFile file(dir / kSaveFileName);
  GameState saved = Decode(Sample(1));
  saved.LastWin = 777;
  saved.BonusStage = 3;
  const SaveBytes whole = Encode(saved);
  WriteFileBytes(file.path(), {whole.begin(), whole.begin() + 12});  // LastWin cut at its 4th
  const GameState loaded = Decode(file.Load(kNow).bytes);
  EXPECT_EQ(loaded.Balance, saved.Balance);
  EXPECT_EQ(loaded.LastWin, 0);
  EXPECT_EQ(loaded.LineCount, 50);
  const SaveBytes cut = CompleteShortSave(std::span(whole).first(110), kNow);  // BonusDueTime cut
  EXPECT_EQ(Decode(cut).BonusStage, 3);
  EXPECT_EQ(Decode(cut).BonusDueTime, kNow);
}

TEST(SaveFile, AFolderFifoOrDeviceIsUnusableWithoutBlockingAndStaysAsItWas) {
  TempDir dir;
  SaveFile file(dir / kSaveFileName);
  std::filesystem::create_directory(file.path());
  EXPECT_EQ(file.Load(kNow).reason, "not a regular file (directory)");
  EXPECT_FALSE(file.Save(Sample(1)));
  EXPECT_TRUE(std::filesystem::is_directory(file.path()));
  std::filesystem::remove(file.path());
  ASSERT_EQ(::mkfifo(file.path().c_str(), 0644), 0);
  ::alarm(10);  // a load that opens or reads the FIFO blocks; the alarm then ends the test
  EXPECT_EQ(file.Load(kNow).reason, "not a regular file (FIFO)");
  EXPECT_FALSE(file.Save(Sample(1)));
  EXPECT_TRUE(std::filesystem::is_fifo(file.path()));
  std::filesystem::remove(file.path());
  std::filesystem::create_symlink("/dev/zero", file.path());  // endless if read to the end
  EXPECT_EQ(file.Load(kNow).reason, "not a regular file (character device)");
  ::alarm(0);
}

TEST(SaveFile, ADanglingLinkIsUnusableNotAbsent) {
  TempDir dir;
  SaveFile file(dir / kSaveFileName);
  std::filesystem::create_symlink("gone.cfg", file.path());
  EXPECT_EQ(file.Load(kNow).reason, "dangling symbolic link");
  EXPECT_FALSE(file.Save(Sample(1)));
  EXPECT_FALSE(std::filesystem::exists(dir / "gone.cfg"));
}

TEST(SaveFile, ALongSparseFileStaysCheapAndKeepsItsTail) {
  TempDir dir;
  SaveFile file(dir / kSaveFileName);
  const off_t size = off_t{1} << 30;
  const std::uint64_t mark = 0x1122334455667788;
  const int fd = ::open(file.path().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  ASSERT_EQ(::pwrite(fd, Sample(1).data(), kSaveSize, 0) + ::pwrite(fd, &mark, 8, size / 2) +
                ::pwrite(fd, &mark, 8, size - 8),
            136);
  struct stat before {
  }, after{};
  ::fstat(fd, &before);
  ::close(fd);
  const auto start = std::chrono::steady_clock::now();
  const bool loaded = file.Load(kNow).bytes == Sample(1);
  const bool saved = file.Write(Sample(2));
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  ::stat(file.path().c_str(), &after);
  std::printf("1 GiB sparse save: load and save %.4f s, %lld KiB used before, %lld after\n",
              took.count(), static_cast<long long>(before.st_blocks) / 2,
              static_cast<long long>(after.st_blocks) / 2);
  EXPECT_TRUE(loaded && saved);
  EXPECT_EQ(after.st_size, size);
  EXPECT_LE(after.st_blocks, before.st_blocks);
  std::uint64_t found[2] = {};
  const int reread = ::open(file.path().c_str(), O_RDONLY | O_CLOEXEC);
  EXPECT_EQ(::pread(reread, &found[0], 8, size / 2) + ::pread(reread, &found[1], 8, size - 8), 16);
  ::close(reread);
  EXPECT_EQ(found[0], mark);
  EXPECT_EQ(found[1], mark);
}

// The save as a link to real/save.bin holding Sample(1).
void MakeLinkedSave(const TempDir& dir) {
  std::filesystem::create_directory(dir / "real");
  const SaveBytes sample = Sample(1);  // one object: both iterators must come from it
  WriteFileBytes(dir / "real/save.bin", {sample.begin(), sample.end()});
  std::filesystem::create_symlink("real/save.bin", dir / kSaveFileName);
}

TEST(SaveFile, ASymlinkedSaveStaysALinkAndItsTargetGetsTheState) {
  TempDir dir;
  MakeLinkedSave(dir);
  SaveFile file(dir / kSaveFileName);
  ASSERT_TRUE(file.Save(Sample(2)));
  EXPECT_EQ(std::filesystem::read_symlink(file.path()), "real/save.bin");
  EXPECT_EQ(file.Read(), Sample(2));
  EXPECT_FALSE(std::filesystem::exists(dir / "real/save.bin.new"));
}

TEST(SaveFile, ASaveKeepsTheFileMode) {
  TempDir dir;
  SaveFile file(dir / kSaveFileName);
  ASSERT_TRUE(file.Write(Sample(1)));
  for (const mode_t mode : {0600u, 0640u}) {
    ::chmod(file.path().c_str(), mode);
    ASSERT_TRUE(file.Save(Sample(2)));
    EXPECT_EQ(std::filesystem::status(file.path()).permissions(),
              static_cast<std::filesystem::perms>(mode));
  }
}

TEST(SaveFile, AReadOnlySaveIsNotReplaced) {
  TempDir dir;
  SaveFile file(dir / kSaveFileName);
  ASSERT_TRUE(file.Write(Sample(1)));
  ::chmod(file.path().c_str(), 0444);
  EXPECT_EQ(file.Save(Sample(2)).error, "Permission denied");
  EXPECT_EQ(file.Read(), Sample(1));
}

TEST(SaveFile, LoadRemovesTemporaryFilesLeftBesideTheSaveAndItsTarget) {
  TempDir dir;
  MakeLinkedSave(dir);
  WriteFileBytes(dir / "real/save.bin.new", {1, 2, 3});
  WriteFileBytes(dir / "Tarvolenka.cfg.new", {4, 5, 6});
  EXPECT_EQ(SaveFile(dir / kSaveFileName).Load(kNow).bytes, Sample(1));
  EXPECT_FALSE(std::filesystem::exists(dir / "real/save.bin.new"));
  EXPECT_FALSE(std::filesystem::exists(dir / "Tarvolenka.cfg.new"));
}

TEST(SaveFile, ABareFileNameWorksInAFolderDeeperThanPathMax) {
  TempDir dir;
  const int home = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  const std::string step(200, 'd');
  std::size_t depth = 0;
  if (::chdir(dir.path().c_str()) == 0)
    while (depth * step.size() <= PATH_MAX && ::mkdir(step.c_str(), 0700) == 0 &&
           ::chdir(step.c_str()) == 0)
      ++depth;
  const bool deep = depth * step.size() > PATH_MAX;
  SaveFile file(kSaveFileName);
  const bool saved = file.Write(Sample(1));
  const bool loaded = file.Load(kNow).bytes == Sample(1);
  const bool savedAgain = file.Write(Sample(2)) && file.Read() == Sample(2);
  // Climb out step by step: no path to the bottom fits the calls that take one.
  ::unlink(kSaveFileName);
  for (; depth > 0 && ::chdir("..") == 0 && ::rmdir(step.c_str()) == 0; --depth) {
  }
  ASSERT_EQ(::fchdir(home), 0);
  ::close(home);
  EXPECT_EQ(depth, 0u) << "the deep folders were not all removed";
  EXPECT_TRUE(deep && saved && loaded && savedAgain);
}

}  // namespace
}  // namespace tarvolenka
