// Ending without closing: SIGTERM, SIGINT, SIGHUP (and SIGQUIT) and a request to quit save the game
// exactly as closing the main window does — the state in memory at that moment, credit won since
// the last save point included — also with a modal window open or a pause running, and the
// program then ends cleanly.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <tuple>

#include "core/game_state.h"
#include "core/save_file.h"
#include "tests/reliability/child_process.h"
#include "tests/support/monkey_player.h"
#include "tests/support/temp_dir.h"

namespace tarvolenka::testing {
namespace {

constexpr int kStartupPatienceMs = 120000;
constexpr int kEndPatienceMs = 60000;

SaveBytes FromHex(const std::string& hex) {
  SaveBytes bytes{};
  for (std::size_t i = 0; i < bytes.size() && 2 * i + 1 < hex.size(); ++i)
    bytes[i] = static_cast<std::uint8_t>(std::stoi(hex.substr(2 * i, 2), nullptr, 16));
  return bytes;
}

SaveBytes SavedState(const TempDir& dir) {
  const std::vector<unsigned char> file = ReadFileBytes(dir / kSaveFileName);
  SaveBytes head{};
  std::copy_n(file.begin(), std::min(file.size(), kSaveSize), head.begin());
  return head;
}

bool EndedCleanly(const std::optional<int>& status) {
  return status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
}

std::string SignalName(int signal) {
  switch (signal) {
    case SIGTERM:
      return "Term";
    case SIGINT:
      return "Int";
    case SIGHUP:
      return "Hup";
    case SIGQUIT:
      return "Quit";
    default:
      return "None";
  }
}

// Starts the driver on a rich game in a fresh directory, waits until its situation holds and
// ends it with `signal` (0: the driver asks to quit by itself). Returns the state it reported.
SaveBytes EndDriver(const TempDir& dir, const std::string& scenario, int signal) {
  SaveFile(dir / kSaveFileName).Write(Encode(RichGameState(MakeDateTime(2026, 12, 8, 10, 0, 0))));
  ChildProcess driver(TARVOLENKA_SESSION_END_DRIVER, {scenario}, dir.path());
  std::optional<std::string> line;
  while ((line = driver.ReadLine(kStartupPatienceMs)) && line->rfind("READY ", 0) != 0) {
  }
  EXPECT_TRUE(line.has_value()) << "the driver never reached its situation:\n" << driver.Stacks();
  if (!line) return {};
  if (signal != 0) driver.Signal(signal);
  EXPECT_TRUE(EndedCleanly(driver.Wait(kEndPatienceMs))) << "the driver did not end cleanly";
  return FromHex(line->substr(6));
}

class SignalledGame : public ::testing::TestWithParam<std::tuple<std::string, int>> {};

TEST_P(SignalledGame, SavesTheStateInMemoryAtTheSignal) {
  const auto& [scenario, signal] = GetParam();
  TempDir dir;
  const SaveBytes reported = EndDriver(dir, scenario, signal);
  EXPECT_EQ(SavedState(dir), reported);
  EXPECT_EQ(Decode(reported).LastWin, scenario == "level" ? Decode(reported).Level * 2000 : 4321);
}

INSTANTIATE_TEST_SUITE_P(SessionEnd, SignalledGame,
                         ::testing::Combine(::testing::Values("idle", "level", "pause"),
                                            ::testing::Values(SIGTERM, SIGINT, SIGHUP)),
                         [](const auto& test) {
                           return std::get<0>(test.param) + SignalName(std::get<1>(test.param));
                         });

TEST(QuitRequest, SavesTheStateInMemoryLikeClosingTheMainWindow) {
  TempDir dir;
  const SaveBytes reported = EndDriver(dir, "quit", 0);
  EXPECT_EQ(SavedState(dir), reported);
}

TEST(QuitRequest, SavesFromInsideAModalWindow) {
  TempDir dir;
  const SaveBytes reported = EndDriver(dir, "quit-in-level", 0);
  EXPECT_EQ(SavedState(dir), reported);
}

TEST(ClosingTheMainWindow, StillSavesAndEndsTheProgram) {
  // The handling of requests to quit leaves the player's own way out as it was.
  TempDir dir;
  const SaveBytes reported = EndDriver(dir, "close", 0);
  EXPECT_EQ(SavedState(dir), reported);
}

// The program itself: a saved game whose start-up changes it in memory (the joker re-armed, a
// stage beyond the series reset, the derived stakes recomputed), ended by each signal.
class SignalledProgram : public ::testing::TestWithParam<int> {};

TEST_P(SignalledProgram, SavesTheStartedGameAndExitsCleanly) {
  TempDir dir;
  GameState prepared = RichGameState(MakeDateTime(2026, 12, 8, 10, 0, 0));
  prepared.JokerUses = 3;
  prepared.BonusStage = 7;
  prepared.TotalStake = 1;
  prepared.MaxLineStake = 2;
  prepared.Unused97 = {1, 2, 3, 4, 5, 6, 7};
  SaveFile(dir / kSaveFileName).Write(Encode(prepared));
  GameState started = prepared;
  started.JokerUses = 0;
  started.BonusStage = 0;
  started.TotalStake = started.LineCount * started.LineStake;
  started.MaxLineStake = started.Level * 10;

  // The program holds the signals back from its first line until its game has started, so a
  // signal sent as soon as it holds them waits for the game.
  ChildProcess program(TARVOLENKA_PROGRAM, {}, dir.path());
  const auto patience =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartupPatienceMs);
  while (!program.Handles(GetParam()) && std::chrono::steady_clock::now() < patience)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  program.Signal(GetParam());
  EXPECT_TRUE(EndedCleanly(program.Wait(kStartupPatienceMs)));
  EXPECT_EQ(SavedState(dir), Encode(started));
}

INSTANTIATE_TEST_SUITE_P(SessionEnd, SignalledProgram,
                         ::testing::Values(SIGTERM, SIGINT, SIGHUP, SIGQUIT),
                         [](const auto& test) { return SignalName(test.param); });

// The X server dies under the game: the platform ends the program, which saves first.
TEST(LostDisplay, SavesTheStateInMemoryBeforeTheProgramEnds) {
  const char* xvfb = "/usr/bin/Xvfb";
  if (::access(xvfb, X_OK) != 0) GTEST_SKIP() << "no Xvfb to take away";
  TempDir dir;
  SaveFile(dir / kSaveFileName).Write(Encode(RichGameState(MakeDateTime(2026, 12, 8, 10, 0, 0))));
  ChildProcess server(xvfb, {"-displayfd", "1", "-nolisten", "tcp"}, dir.path());
  const auto display = server.ReadLine(kStartupPatienceMs);
  ASSERT_TRUE(display.has_value()) << "Xvfb did not start";
  // The game on that display sees nothing of the machine's session: no message bus to wait on
  // (the accessibility bridge asks one), and folders of its own.
  const std::filesystem::path runtime = dir / "runtime";
  std::filesystem::create_directory(runtime);
  std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
  ChildOptions onTheServer;
  onTheServer.environment = {"QT_QPA_PLATFORM=xcb",
                             "DISPLAY=:" + *display,
                             "XDG_RUNTIME_DIR=" + runtime.string(),
                             "XDG_CONFIG_HOME=" + (dir / "config").string(),
                             "XDG_CACHE_HOME=" + (dir / "cache").string(),
                             "DBUS_SESSION_BUS_ADDRESS=unix:path=" + (runtime / "no-bus").string()};
  ChildProcess driver(TARVOLENKA_SESSION_END_DRIVER, {"idle"}, dir.path(), onTheServer);
  std::optional<std::string> line;
  while ((line = driver.ReadLine(kStartupPatienceMs)) && line->rfind("READY ", 0) != 0) {
  }
  ASSERT_TRUE(line.has_value()) << "the driver never reached its situation on display :" << *display
                                << "\n"
                                << driver.Stacks();
  // Ended by its own rules, the server leaves no stale lock behind for the servers that other
  // tests start (two starting together over a stale lock may both take its display); to the
  // game the connection breaks as it would in a crash.
  server.Signal(SIGTERM);
  EXPECT_TRUE(driver.Wait(kEndPatienceMs).has_value()) << "the game outlived its display";
  EXPECT_EQ(SavedState(dir), FromHex(line->substr(6)));
}

}  // namespace
}  // namespace tarvolenka::testing
