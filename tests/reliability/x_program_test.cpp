// The real program on an X display of its own, driven by xdotool as a player and a hostile
// client would: a held key acts once, a dialog destroyed by another client frees the game, and
// a mega prize shown before a SIGKILL is the prize paid after it.

#include <signal.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "bonus/mega_wheel_rules.h"
#include "core/resume_file.h"
#include "core/save_file.h"
#include "tests/reliability/child_process.h"
#include "tests/support/temp_dir.h"

namespace tarvolenka::testing {
namespace {

constexpr int kPatienceMs = 60000;
constexpr const char* kMainTitle = "Tarvolenka";

using Clock = std::chrono::steady_clock;

void Sleep(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Polls `ready` every 50 ms until it holds or the patience runs out.
template <class Ready>
bool Soon(Ready ready, int patienceMs = kPatienceMs) {
  const auto until = Clock::now() + std::chrono::milliseconds(patienceMs);
  while (!ready()) {
    if (Clock::now() > until) return false;
    Sleep(50);
  }
  return true;
}

// An Xvfb server on a display number it picks itself, for as long as this lives; it does not
// reset when its last client goes, so a game started again finds it answering.
class XDisplay {
 public:
  explicit XDisplay(const std::filesystem::path& dir)
      : server_(TARVOLENKA_XVFB,
                {"-displayfd", "1", "-noreset", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"},
                dir) {
    if (const auto number = server_.ReadLine(kPatienceMs)) name_ = ":" + *number;
  }

  // Ended by its own rules, so that it leaves no lock behind.
  ~XDisplay() {
    server_.Signal(SIGTERM);
    server_.Wait(kPatienceMs);
  }

  const std::string& name() const { return name_; }

  // xdotool's output for `args`, on this display.
  std::string Xdo(const std::string& args) const {
    const std::string command =
        "DISPLAY=" + name_ + " " + TARVOLENKA_XDOTOOL + " " + args + " 2>/dev/null";
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
      std::array<char, 256> chunk{};
      while (std::fgets(chunk.data(), chunk.size(), pipe) != nullptr) out += chunk.data();
      ::pclose(pipe);
    }
    return out;
  }

  // The visible windows' ids with their titles, "id title" per line.
  std::vector<std::pair<std::string, std::string>> Windows() const {
    std::vector<std::pair<std::string, std::string>> windows;
    std::istringstream ids(Xdo("search --onlyvisible --name ."));
    for (std::string id; ids >> id;) {
      std::string title = Xdo("getwindowname " + id);
      if (!title.empty() && title.back() == '\n') title.pop_back();
      windows.emplace_back(id, title);
    }
    return windows;
  }

  // The first visible window titled `title`, or other than `title` when `other`; "" when none.
  std::string Window(const std::string& title, bool other = false) const {
    for (const auto& [id, name] : Windows())
      if ((name == title) != other) return id;
    return "";
  }

  // Focuses the window and presses or holds keys on it.
  void Focus(const std::string& id) const { Xdo("windowfocus --sync " + id); }

  // Presses `key` on the window `id`, again each second (the timed bonus's button takes a
  // moment to come on after the start), until a window other than the main one opens; its id.
  std::string PressForDialog(const std::string& id, const std::string& key) const {
    std::string dialog;
    for (int tries = 0; tries < 30 && dialog.empty(); ++tries) {
      Focus(id);
      Xdo("key " + key);
      Soon([&] { return !(dialog = Window(kMainTitle, true)).empty(); }, 1000);
    }
    return dialog;
  }

 private:
  ChildProcess server_;
  std::string name_;
};

// The game started in `dir` on `display`; its main window is up once this returns true.
struct Game {
  Game(const XDisplay& display, const std::filesystem::path& dir)
      : program(TARVOLENKA_PROGRAM, {}, dir,
                ChildOptions{.standardError = true,
                             .environment = {"QT_QPA_PLATFORM=xcb", "DISPLAY=" + display.name(),
                                             "XDG_CONFIG_HOME=" + (dir / "config").string(),
                                             "XDG_CACHE_HOME=" + (dir / "cache").string(),
                                             // the X client libraries keep their caches to the
                                             // end; the sanitizer build's leak check is for ours
                                             "ASAN_OPTIONS=detect_leaks=0"}}),
        x(display) {}

  // What the program has written so far, for a failure's message.
  std::string Output() {
    std::string out;
    while (const auto line = program.ReadLine(100)) out += *line + "\n";
    return out;
  }

  std::string MainWindow() const {
    std::string id;
    Soon([&] { return !(id = x.Window(kMainTitle)).empty(); });
    return id;
  }
  // Ends the game by SIGTERM, which saves; its exit code.
  int End() {
    program.Signal(SIGTERM);
    const auto status = program.Wait(kPatienceMs);
    return status && WIFEXITED(*status) ? WEXITSTATUS(*status) : -1;
  }

  ChildProcess program;
  const XDisplay& x;
};

GameState SavedState(const std::filesystem::path& dir) {
  const auto bytes = SaveFile(dir / kSaveFileName).Read();
  return bytes ? Decode(*bytes) : GameState{};
}

// How often `text` occurs in the file at `path`.
int Occurrences(const std::filesystem::path& path, const std::string& text) {
  std::ifstream in(path);
  const std::string all((std::istreambuf_iterator<char>(in)), {});
  int n = 0;
  for (auto at = all.find(text); at != std::string::npos; at = all.find(text, at + 1)) ++n;
  return n;
}

// A game whose mega bonus is due: the sixth timed bonus, its hour long past.
void SaveMegaBonusDue(const std::filesystem::path& dir) {
  GameState s = NewGameState(MakeDateTime(2026, 12, 8, 10, 0, 0));
  s.BonusStage = 5;
  SaveFile(dir / kSaveFileName).Write(Encode(s));
}

// A folder and a display of the test's own, and the game started in them.
class RealProgramOnX : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(x_.name().empty()); }
  // Starts the game (again) and answers its main window, "" when none shows.
  std::string StartGame() {
    game_.reset();
    game_.emplace(x_, dir_.path());
    return game_->MainWindow();
  }

  TempDir dir_;
  XDisplay x_{dir_.path()};
  std::optional<Game> game_;
};

TEST_F(RealProgramOnX, AHeldKeyActsOnce) {
  const std::string main = StartGame();
  ASSERT_FALSE(main.empty());
  x_.Focus(main);
  x_.Xdo("keydown Left sleep 2 keyup Left");    // the autorepeat would take several lines off
  x_.Xdo("keydown space sleep 6 keyup space");  // and buy a spin every 2.1 s
  Sleep(500);
  EXPECT_EQ(game_->End(), 0);
  const GameState saved = SavedState(dir_.path());
  EXPECT_EQ(saved.LineCount, 49);
  // On a failure, the balance tells a spin lost from a spin paid but not in the history.
  EXPECT_EQ(Occurrences(dir_ / "Tarvolenka.history", "\"free\":false") +
                Occurrences(dir_ / "Tarvolenka.history.open", "\"free\":false"),
            1)
      << "balance " << saved.Balance << ", experience " << saved.Experience << "; the game said:\n"
      << game_->Output();
}

TEST_F(RealProgramOnX, ADialogDestroyedByAnotherClientIsClosedByItsRules) {
  const std::string main = StartGame();
  ASSERT_FALSE(main.empty());
  const std::string dialog = x_.PressForDialog(main, "b");  // the timed bonus, due in a new game
  ASSERT_FALSE(dialog.empty());
  x_.Xdo("windowclose " + dialog);
  ASSERT_TRUE(Soon([&] { return x_.Window(kMainTitle, true).empty(); }));
  x_.Focus(main);
  x_.Xdo("key Left");  // the main window answers again
  Sleep(500);
  EXPECT_EQ(game_->End(), 0);
  const GameState s = SavedState(dir_.path());
  EXPECT_EQ(s.Balance, 30000 + 100);  // the timed bonus, collected as on OK
  EXPECT_EQ(s.LineCount, 49);
}

TEST_F(RealProgramOnX, TheMainWindowDestroyedEndsTheGameSaved) {
  const std::string main = StartGame();
  ASSERT_FALSE(main.empty());
  x_.Xdo("windowclose " + main);
  const auto status = game_->program.Wait(kPatienceMs);
  ASSERT_TRUE(status);
  EXPECT_TRUE(WIFEXITED(*status));
  EXPECT_EQ(SavedState(dir_.path()).Balance, 30000);
}

// The mega wheel as the resume file holds it; nothing before the bonus is recorded.
std::optional<MegaWheelRules> RecordedWheel(const std::filesystem::path& dir) {
  const ResumeLoadResult loaded = ResumeFile(dir / "Tarvolenka.resume").Load();
  MegaWheelRules wheel;
  if (loaded.status != ResumeLoad::Loaded || loaded.record.kind != InFlight::MegaBonus ||
      !wheel.Restore(loaded.record.window))
    return std::nullopt;
  return wheel;
}

// Presses Return on the wheel's window, again each second, until the wheel is past `phase`.
bool PressUntilPast(const XDisplay& x, const std::string& window, const std::filesystem::path& dir,
                    MegaWheelRules::Phase phase) {
  const auto past = [&] {
    const auto wheel = RecordedWheel(dir);
    return wheel && wheel->phase() > phase;
  };
  for (int tries = 0; tries < 30; ++tries) {
    x.Focus(window);
    x.Xdo("key Return");
    if (Soon(past, 1000)) return true;
  }
  return false;
}

TEST_F(RealProgramOnX, AMegaPrizeShownBeforeAKillIsThePrizePaidAfterIt) {
  SaveMegaBonusDue(dir_.path());
  const std::string main = StartGame();
  ASSERT_FALSE(main.empty());
  const std::string wheel = x_.PressForDialog(main, "b");
  ASSERT_FALSE(wheel.empty());
  // Started, the light runs a thousand steps; the stop is offered after five of them.
  ASSERT_TRUE(PressUntilPast(x_, wheel, dir_.path(), MegaWheelRules::Phase::Dealt));
  ASSERT_TRUE(PressUntilPast(x_, wheel, dir_.path(), MegaWheelRules::Phase::Running));
  std::optional<MegaWheelRules> rested;
  ASSERT_TRUE(Soon([&] {
    rested = RecordedWheel(dir_.path());
    return rested && rested->phase() == MegaWheelRules::Phase::Rested;
  }));
  const std::int64_t prize = rested->Prize(rested->light());
  game_->program.Signal(SIGKILL);
  game_->program.Wait(kPatienceMs);

  ASSERT_FALSE(StartGame().empty()) << game_->Output();
  std::string shownAgain;
  ASSERT_TRUE(Soon([&] { return !(shownAgain = x_.Window(kMainTitle, true)).empty(); }));
  bool closed = false;
  for (int tries = 0; tries < 30 && !closed; ++tries) {
    x_.Focus(shownAgain);
    x_.Xdo("key Return");  // OK on the prize shown again
    closed = Soon([&] { return x_.Window(kMainTitle, true).empty(); }, 1000);
  }
  ASSERT_TRUE(closed);
  EXPECT_EQ(game_->End(), 0);
  EXPECT_EQ(SavedState(dir_.path()).Balance, 30000 + prize);
  EXPECT_EQ(Occurrences(dir_ / "Tarvolenka.history", "\"kind\":\"mega_bonus\""), 1);
}

}  // namespace
}  // namespace tarvolenka::testing
