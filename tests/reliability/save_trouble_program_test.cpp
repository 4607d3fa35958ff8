// The real program against hostile save files and a second copy: a save it cannot use is
// never touched and the question about it can be ended by a signal; a short file keeps its
// balance; a linked save stays a link and keeps its mode; a failed save (a full disk, a
// read-only file or folder) is reported and leaves the old file; one game runs per folder.

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "core/save_file.h"
#include "tests/reliability/child_process.h"
#include "tests/support/temp_dir.h"

namespace tarvolenka::testing {
namespace {

constexpr int kPatienceMs = 60000;

// Reads the program's output until a line holds `text`; false when none does in time.
bool SaysSoon(ChildProcess& program, const std::string& text) {
  while (const auto line = program.ReadLine(kPatienceMs))
    if (line->find(text) != std::string::npos) return true;
  return false;
}

bool AppearsSoon(const std::filesystem::path& file) {
  const auto patience = std::chrono::steady_clock::now() + std::chrono::milliseconds(kPatienceMs);
  while (!std::filesystem::exists(file) && std::chrono::steady_clock::now() < patience)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return std::filesystem::exists(file);
}

// Whether the program has taken `signal` in hand (it holds it from its first line and catches
// it once the game runs); false when it has not in time.
bool HandlesSoon(const ChildProcess& program, int signal) {
  const auto patience = std::chrono::steady_clock::now() + std::chrono::milliseconds(kPatienceMs);
  while (!program.Handles(signal) && std::chrono::steady_clock::now() < patience)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  return program.Handles(signal);
}

ChildOptions ReadingErrors(long fileSizeLimit = -1) {
  ChildOptions options;
  options.standardError = true;
  options.fileSizeLimit = fileSizeLimit;
  return options;
}

int ExitCode(const std::optional<int>& status) {
  return status && WIFEXITED(*status) ? WEXITSTATUS(*status) : -1;
}

struct Hostile {
  const char* name;
  void (*make)(const std::filesystem::path& save);
};

// clang-format off
const Hostile kHostileSaves[] = {
    {"Directory", [](const std::filesystem::path& s) { std::filesystem::create_directory(s); }},
    {"NamedPipe", [](const std::filesystem::path& s) { ::mkfifo(s.c_str(), 0644); }},
    {"DanglingLink", [](const std::filesystem::path& s) {
       std::filesystem::create_symlink("/nonexistent/Tarvolenka.cfg", s); }},
    {"LinkToZeroes", [](const std::filesystem::path& s) {
       std::filesystem::create_symlink("/dev/zero", s); }},
};
// clang-format on

class UnusableSave : public ::testing::TestWithParam<Hostile> {};

TEST_P(UnusableSave, IsNamedAndLeftAsItWasWhileTheQuestionCanBeEndedBySignal) {
  TempDir dir;
  const auto save = dir / kSaveFileName;
  GetParam().make(save);
  const auto before = std::filesystem::symlink_status(save).type();
  ChildProcess program(TARVOLENKA_PROGRAM, {}, dir.path(), ReadingErrors());
  EXPECT_TRUE(SaysSoon(program, "Tarvolenka.cfg"));
  program.Signal(SIGTERM);
  EXPECT_EQ(ExitCode(program.Wait(kPatienceMs)), 1);
  EXPECT_EQ(std::filesystem::symlink_status(save).type(), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(SaveTrouble, UnusableSave, ::testing::ValuesIn(kHostileSaves),
                         [](const auto& test) { return std::string(test.param.name); });

// The files beside the save and in the user's folders, in every form that could hold up an open:
// the game starts, saves, and ends on SIGTERM, leaving them as they were.
struct HostileNeighbour {
  const char* name;
  const char* path;  // from the test's folder; the user's folders are config/, cache/, run/
  void (*make)(const std::filesystem::path& path);
  // Left where it was; otherwise taken out of the way as the file's rules say: a damaged resume
  // file set aside, a link where the game keeps its game under way removed (never its target).
  bool staysInPlace = true;
};

void MakeFifo(const std::filesystem::path& p) {
  ::mkfifo(p.c_str(), 0644);
}
void LinkToZeroes(const std::filesystem::path& p) {
  std::filesystem::create_symlink("/dev/zero", p);
}
void MakeFolder(const std::filesystem::path& p) {
  std::filesystem::create_directory(p);
}

const HostileNeighbour kHostileNeighbours[] = {
    {"HistoryPipe", "Tarvolenka.history", MakeFifo},
    {"HistoryLinkToZeroes", "Tarvolenka.history", LinkToZeroes},
    {"KeptGamePipe", "Tarvolenka.history.open", MakeFifo},
    {"KeptGameLinkToZeroes", "Tarvolenka.history.open", LinkToZeroes, false},
    {"ResumePipe", "Tarvolenka.resume", MakeFifo, false},
    {"ResumeTemporaryFolder", "Tarvolenka.resume.new", MakeFolder},
    {"SettingsPipe", "config/Tarvolenka/Tarvolenka.ini", MakeFifo},
    {"SettingsLinkToZeroes", "config/Tarvolenka/Tarvolenka.ini", LinkToZeroes},
    // The pictures the main window opens with are made on worker threads; a kept one that is not
    // a file is rendered again and kept anew, and a cache folder that is not one is left alone.
    {"PicturePipe", "cache/Tarvolenka/pictures/symbol-vodka@1000.argb", MakeFifo, false},
    {"PictureLinkToZeroes", "cache/Tarvolenka/pictures/app-icon@1000.argb", LinkToZeroes, false},
    {"PictureFolderPipe", "cache/Tarvolenka/pictures", MakeFifo},
};

class HostileNeighbourFile : public ::testing::TestWithParam<HostileNeighbour> {};

TEST_P(HostileNeighbourFile, NeverHoldsUpTheStartOrTheSignal) {
  TempDir dir;
  const auto file = dir / GetParam().path;
  std::filesystem::create_directories(file.parent_path());
  GetParam().make(file);
  const auto kind = std::filesystem::symlink_status(file).type();
  ChildOptions options;
  options.environment = {"XDG_CONFIG_HOME=" + (dir / "config").string(),
                         "XDG_CACHE_HOME=" + (dir / "cache").string(),
                         "XDG_RUNTIME_DIR=" + (dir / "run").string()};
  std::filesystem::create_directories(dir / "run");
  std::filesystem::permissions(dir / "run", std::filesystem::perms::owner_all);
  ChildProcess program(TARVOLENKA_PROGRAM, {}, dir.path(), options);
  EXPECT_TRUE(AppearsSoon(dir / kSaveFileName));
  EXPECT_TRUE(HandlesSoon(program, SIGTERM));
  program.Signal(SIGTERM);
  EXPECT_EQ(ExitCode(program.Wait(kPatienceMs)), 0);
  if (GetParam().staysInPlace) {
    EXPECT_EQ(std::filesystem::symlink_status(file).type(), kind);
  }
}

INSTANTIATE_TEST_SUITE_P(FileTrouble, HostileNeighbourFile, ::testing::ValuesIn(kHostileNeighbours),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(SaveTrouble, UnreadableSettingsAreNamedAndTheGamePlaysOn) {
  TempDir dir;
  const auto settings = dir / "config/Tarvolenka/Tarvolenka.ini";
  std::filesystem::create_directories(settings.parent_path());
  std::filesystem::create_directory(settings);
  ChildOptions options = ReadingErrors();
  options.environment = {"XDG_CONFIG_HOME=" + (dir / "config").string()};
  ChildProcess program(TARVOLENKA_PROGRAM, {}, dir.path(), options);
  EXPECT_TRUE(SaysSoon(program, "the settings could not be saved to " + settings.string()));
  EXPECT_TRUE(AppearsSoon(dir / kSaveFileName));
  program.Signal(SIGTERM);
  EXPECT_EQ(ExitCode(program.Wait(kPatienceMs)), 0);
  EXPECT_TRUE(std::filesystem::is_directory(settings));
}

TEST(SaveTrouble, AShortFileKeepsItsBalanceInTheRealProgram) {
  TempDir dir;
  GameState s = NewGameState(MakeDateTime(2026, 12, 8, 10, 0, 0));
  s.Balance = 987654;
  const SaveBytes bytes = Encode(s);
  WriteFileBytes(dir / kSaveFileName, {bytes.begin(), bytes.begin() + 119});
  ChildProcess program(TARVOLENKA_PROGRAM, {}, dir.path());
  EXPECT_TRUE(HandlesSoon(program, SIGTERM));
  program.Signal(SIGTERM);
  EXPECT_EQ(ExitCode(program.Wait(kPatienceMs)), 0);
  EXPECT_EQ(Decode(*SaveFile(dir / kSaveFileName).Read()).Balance, 987654);
}

TEST(SaveTrouble, AFullDiskIsReportedAndTheOldSaveStays) {
  TempDir dir;
  SaveFile(dir / kSaveFileName).Write(Encode(NewGameState(MakeDateTime(2026, 12, 8, 10, 0, 0))));
  const auto before = ReadFileBytes(dir / kSaveFileName);
  ChildProcess program(TARVOLENKA_PROGRAM, {}, dir.path(), ReadingErrors(100));  // a save: 120
  EXPECT_TRUE(HandlesSoon(program, SIGTERM));
  program.Signal(SIGTERM);  // ending saves, which cannot land
  EXPECT_TRUE(SaysSoon(program, "could not be saved"));
  program.Wait(kPatienceMs);
  EXPECT_EQ(ReadFileBytes(dir / kSaveFileName), before);
}

// A saved game whose start-up re-arms the joker: a save made at the end shows it landed.
SaveBytes ArmedJoker() {
  GameState s = NewGameState(MakeDateTime(2026, 12, 8, 10, 0, 0));
  s.JokerUses = 3;
  return Encode(s);
}

// Starts the program in `dir`, ends it by SIGTERM (which saves) and returns its exit code.
int StartAndEnd(const TempDir& dir, ChildOptions options = {}) {
  ChildProcess program(TARVOLENKA_PROGRAM, {}, dir.path(), options);
  EXPECT_TRUE(HandlesSoon(program, SIGTERM));
  program.Signal(SIGTERM);
  return ExitCode(program.Wait(kPatienceMs));
}

TEST(SaveTrouble, ALinkedSaveIsWrittenThroughItsLinkAndKeepsItsMode) {
  TempDir dir;
  std::filesystem::create_directory(dir / "drive");
  const SaveBytes armed = ArmedJoker();
  WriteFileBytes(dir / "drive/game.cfg", {armed.begin(), armed.end()});
  ::chmod((dir / "drive/game.cfg").c_str(), 0600);
  std::filesystem::create_symlink("drive/game.cfg", dir / kSaveFileName);
  EXPECT_EQ(StartAndEnd(dir), 0);
  EXPECT_TRUE(std::filesystem::is_symlink(dir / kSaveFileName));
  EXPECT_EQ(Decode(*SaveFile(dir / "drive/game.cfg").Read()).JokerUses, 0);
  struct stat target {};
  ::stat((dir / "drive/game.cfg").c_str(), &target);
  EXPECT_EQ(target.st_mode & 07777, 0600u);
}

TEST(SaveTrouble, AReadOnlySaveIsNotReplaced) {
  TempDir dir;
  const SaveBytes armed = ArmedJoker();
  WriteFileBytes(dir / kSaveFileName, {armed.begin(), armed.end()});
  ::chmod((dir / kSaveFileName).c_str(), 0444);
  ChildProcess program(TARVOLENKA_PROGRAM, {}, dir.path(), ReadingErrors());
  EXPECT_TRUE(HandlesSoon(program, SIGTERM));
  program.Signal(SIGTERM);
  EXPECT_TRUE(SaysSoon(program, "could not be saved"));
  program.Wait(kPatienceMs);
  EXPECT_EQ(*SaveFile(dir / kSaveFileName).Read(), armed);
}

TEST(SaveTrouble, AReadOnlyFolderIsReportedAndTheSaveStays) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to play as another user";
  constexpr int kNobody = 65534;
  TempDir dir;
  const SaveBytes armed = ArmedJoker();
  WriteFileBytes(dir / kSaveFileName, {armed.begin(), armed.end()});
  ASSERT_EQ(::chown(dir.path().c_str(), kNobody, kNobody), 0);
  ::chmod(dir.path().c_str(), 0555);
  ChildOptions asNobody = ReadingErrors();
  asNobody.environment = {"HOME=" + dir.path().string()};
  asNobody.user = kNobody;
  ChildProcess program(TARVOLENKA_PROGRAM, {}, dir.path(), asNobody);
  EXPECT_TRUE(HandlesSoon(program, SIGTERM));
  program.Signal(SIGTERM);
  EXPECT_TRUE(SaysSoon(program, "could not be saved"));
  program.Wait(kPatienceMs);
  ::chmod(dir.path().c_str(), 0755);
  EXPECT_EQ(*SaveFile(dir / kSaveFileName).Read(), armed);
}

TEST(SaveTrouble, ASecondCopyInTheSameFolderLeavesTheSaveAloneButOneElsewherePlays) {
  TempDir dir;
  TempDir other;
  ChildProcess first(TARVOLENKA_PROGRAM, {}, dir.path());
  ASSERT_TRUE(AppearsSoon(dir / kSaveFileName));  // a new game saves as it starts
  EXPECT_TRUE(HandlesSoon(first, SIGTERM));
  struct stat was {};
  ::stat((dir / kSaveFileName).c_str(), &was);
  const auto bytes = ReadFileBytes(dir / kSaveFileName);

  ChildProcess second(TARVOLENKA_PROGRAM, {}, dir.path());
  EXPECT_EQ(ExitCode(second.Wait(kPatienceMs)), 0);
  struct stat is {};
  ::stat((dir / kSaveFileName).c_str(), &is);
  EXPECT_EQ(is.st_ino, was.st_ino);  // not even rewritten with the same bytes
  EXPECT_EQ(ReadFileBytes(dir / kSaveFileName), bytes);
  EXPECT_FALSE(first.Wait(0));

  ChildProcess elsewhere(TARVOLENKA_PROGRAM, {}, other.path());
  EXPECT_TRUE(AppearsSoon(other / kSaveFileName));
  EXPECT_FALSE(elsewhere.Wait(0));  // its own save written, and still playing
  for (ChildProcess* p : {&first, &elsewhere}) {
    p->Signal(SIGTERM);
    EXPECT_EQ(ExitCode(p->Wait(kPatienceMs)), 0);
  }
}

}  // namespace
}  // namespace tarvolenka::testing
