#include "core/file_access.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <optional>

#include "core/file_notices.h"
#include "core/settings_file.h"
#include "tests/support/temp_dir.h"

namespace tarvolenka {
namespace {

using testing::TempDir;
namespace fs = std::filesystem;

constexpr off_t kHugeSize = off_t{1} << 40;

void Write(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// What each operation of the module makes of a path of one kind.
struct PathKindRow {
  const char* name;
  std::function<void(const fs::path&)> make;
  bool readable;  // read whole, head and tail
  bool writable;  // appended to, replaced and locked
};

const PathKindRow kPathKinds[] = {
    {"Regular", [](const fs::path& p) { Write(p, "hello"); }, true, true},
    {"Absent", [](const fs::path&) {}, true, true},
    {"Fifo", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }, false, false},
    {"Directory", [](const fs::path& p) { fs::create_directory(p); }, false, false},
    {"LinkToDevZero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }, false, false},
    {"DanglingLink", [](const fs::path& p) { fs::create_symlink("nowhere", p); }, false, false},
    {"LinkLoop",
     [](const fs::path& p) {
       fs::create_symlink(p.filename().string() + ".b", p);
       fs::create_symlink(p.filename(), p.string() + ".b");
     },
     false, false},
    {"HugeSparse",
     [](const fs::path& p) {
       Write(p, "head");
       ASSERT_EQ(::truncate(p.c_str(), kHugeSize), 0);
     },
     true, true},
};

class PathKindTest : public ::testing::TestWithParam<PathKindRow> {
 protected:
  TempDir dir_;
  fs::path path_ = dir_ / "file";
  void SetUp() override { GetParam().make(path_); }
};

// None of these may block: a FIFO opened for reading would wait for a writer forever.
TEST_P(PathKindTest, ReadsOnlyARegularFileAndAtMostTheLimit) {
  const FileRead head = ReadHead(path_, 16, LinkRule::Refuse);
  EXPECT_EQ(head.result.ok(), GetParam().readable) << head.result.error;
  EXPECT_LE(head.bytes.size(), 16u);
  const FileRead tail = ReadTail(path_, 16, LinkRule::Refuse);
  EXPECT_EQ(tail.result.ok(), GetParam().readable) << tail.result.error;
  if (!GetParam().readable) {
    EXPECT_EQ(head.result.file, path_.string());
  }
}

TEST_P(PathKindTest, WritesOnlyARegularFileOrAnAbsentOne) {
  EXPECT_EQ(AppendToFile(path_, "more").ok(), GetParam().writable);
  EXPECT_EQ(ReplaceFile(path_, "new").ok(), GetParam().writable);
  EXPECT_EQ(LockFile(path_).result.ok(), GetParam().writable);
  if (GetParam().writable) {
    EXPECT_EQ(ReadHead(path_, 64, LinkRule::Refuse).bytes, "new");
  }
  EXPECT_FALSE(fs::exists(path_.string() + ".new"));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, PathKindTest, ::testing::ValuesIn(kPathKinds),
                         [](const ::testing::TestParamInfo<PathKindRow>& row) {
                           return std::string(row.param.name);
                         });

TEST(FileAccess, ReadsTheTailOfAHugeFileWithoutTheRest) {
  TempDir dir;
  const fs::path path = dir / "huge";
  Write(path, "");
  ASSERT_EQ(::truncate(path.c_str(), kHugeSize), 0);
  {
    std::ofstream out(path, std::ios::binary | std::ios::in);
    out.seekp(kHugeSize - 4);
    out << "last";
  }
  const FileRead tail = ReadTail(path, 4, LinkRule::Refuse);
  EXPECT_EQ(tail.bytes, "last");
  EXPECT_EQ(tail.size, kHugeSize);
}

// Root reads everything, so the refusal is checked as the user nobody.
TEST(FileAccess, AnUnreadableFileFailsWithItsReason) {
  TempDir dir;
  fs::permissions(dir.path(), fs::perms::all);
  Write(dir / "secret", "x");
  fs::permissions(dir / "secret", fs::perms::none);
  const pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) _exit(99);
    _exit(ReadHead(dir / "secret", 16, LinkRule::Refuse).result.errorCode == EACCES ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(FileAccess, FollowsALinkOnlyWhereTheRuleSaysSo) {
  TempDir dir;
  Write(dir / "target", "kept");
  fs::create_symlink("target", dir / "link");
  EXPECT_FALSE(ReadHead(dir / "link", 16, LinkRule::Refuse).result.ok());
  EXPECT_EQ(ReadHead(dir / "link", 16, LinkRule::Follow).bytes, "kept");
  ASSERT_TRUE(ReplaceFile(dir / "link", "new", {LinkRule::Follow, false, 0}).ok());
  EXPECT_TRUE(fs::is_symlink(dir / "link"));
  EXPECT_EQ(ReadHead(dir / "target", 16, LinkRule::Refuse).bytes, "new");
}

TEST(FileAccess, ATemporaryNameHeldByAFolderBlocksTheWriteAndIsNamed) {
  TempDir dir;
  Write(dir / "file", "old");
  fs::create_directory(dir / "file.new");
  const FileResult replaced = ReplaceFile(dir / "file", "new");
  EXPECT_EQ(replaced.errorCode, EEXIST);
  EXPECT_EQ(replaced.file, (dir / "file.new").string());
  EXPECT_EQ(ReadHead(dir / "file", 16, LinkRule::Refuse).bytes, "old");
}

TEST(FileAccess, ALeftoverTemporaryIsReplacedWhenItIsARegularFile) {
  TempDir dir;
  Write(dir / "file.new", "torn");
  ASSERT_TRUE(ReplaceFile(dir / "file", "whole").ok());
  EXPECT_EQ(ReadHead(dir / "file", 16, LinkRule::Refuse).bytes, "whole");
}

TEST(FileAccess, AReplacementWrittenInPiecesLandsWholeOnlyWhenCommitted) {
  TempDir dir;
  Write(dir / "file", "old");
  fs::path temporary;
  ASSERT_TRUE(WriteTemporaryFile(dir / "file", "first ", {LinkRule::Refuse, false, 0}, temporary));
  ASSERT_TRUE(AppendToFile(temporary, "second", true));
  EXPECT_EQ(ReadHead(dir / "file", 16, LinkRule::Refuse).bytes, "old");
  ASSERT_TRUE(CommitTemporaryFile(temporary, dir / "file", true));
  EXPECT_EQ(ReadHead(dir / "file", 16, LinkRule::Refuse).bytes, "first second");
  EXPECT_FALSE(fs::exists(temporary));
  fs::create_directory(dir / "elsewhere");
  EXPECT_EQ(CommitTemporaryFile(dir / "file", dir / "elsewhere" / "file", false).errorCode, EXDEV);
}

TEST(FileAccess, ASecondLockOnTheSameFileIsRefusedUntilTheFirstGoes) {
  TempDir dir;
  std::optional<FileLock> first = LockFile(dir / "lock");
  ASSERT_TRUE(first->held);
  EXPECT_FALSE(LockFile(dir / "lock").held);
  first.reset();
  EXPECT_TRUE(LockFile(dir / "lock").held);
}

TEST(SettingsFile, KeepsWhatItDoesNotKnowAndChangesOnlyTheKeyAsked) {
  TempDir dir;
  Write(dir / "s.ini", "; mine\n[window]\nzoomPercent=150\n\n[other]\nx = 1\n");
  SettingsFile settings(dir / "s.ini");
  ASSERT_TRUE(settings.Load().ok());
  EXPECT_EQ(settings.Value("window", "zoomPercent"), "150");
  EXPECT_EQ(settings.Value("other", "x"), "1");
  EXPECT_EQ(settings.Value("other", "zoomPercent"), std::nullopt);
  settings.SetValue("window", "zoomPercent", "200");
  settings.SetValue("play", "quickSpin", "true");
  settings.SetValue("window", "extra", "y");
  ASSERT_TRUE(settings.Save().ok());
  SettingsFile again(dir / "s.ini");
  ASSERT_TRUE(again.Load().ok());
  EXPECT_EQ(again.Text(),
            "; mine\n[window]\nzoomPercent=200\nextra=y\n\n[other]\nx = 1\n\n[play]\n"
            "quickSpin=true\n");
}

TEST(SettingsFile, AFileItCannotReadIsNeverWrittenOver) {
  TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "s.ini").c_str(), 0600), 0);
  SettingsFile settings(dir / "s.ini");
  EXPECT_FALSE(settings.Load().ok());
  settings.SetValue("window", "zoomPercent", "200");
  EXPECT_FALSE(settings.Save().ok());
  EXPECT_TRUE(fs::is_fifo(dir / "s.ini"));
}

TEST(FileNotices, ShowTheSaveBeforeTheHistoryAndLogEachChangeOnce) {
  FileNotices notices;
  const FileResult full = FileFailure("/x/Tarvolenka.history", "No space left on device", ENOSPC);
  EXPECT_TRUE(notices.Report(FileRole::History, "Tarvolenka.history", full).changed);
  EXPECT_FALSE(notices.Report(FileRole::History, "Tarvolenka.history", full).changed);
  EXPECT_NE(notices.Notice().find("„Tarvolenka.history“: дискът е пълен"), std::string::npos);
  const FileResult blocked =
      FileFailure("Tarvolenka.cfg.new", "already exists: not a regular file (directory)", EEXIST);
  notices.Report(FileRole::Save, "Tarvolenka.cfg", blocked);
  EXPECT_EQ(notices.Notice().rfind("Играта не е записана във „Tarvolenka.cfg.new“: името вече е "
                                   "заето, а папка",
                                   0),
            0u)
      << notices.Notice();
  notices.Report(FileRole::Save, "Tarvolenka.cfg", {});
  notices.Report(FileRole::History, "Tarvolenka.history", {});
  EXPECT_FALSE(notices.failing());
  EXPECT_EQ(notices.Notice(), "");
}

}  // namespace
}  // namespace tarvolenka
