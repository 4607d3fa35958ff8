// Test driver for the resume soak: the real game on the Qt desktop, played by clicks ten times
// faster than by hand, with a generator seeded from the game's own progress instead of the
// clock. Every decision and every draw follows from the experience reached, so a game killed
// and resumed any number of times must pass through the same balances as one never killed.
//
//   REST <experience> <balance>           play is back with the player
//   DONE <experience> <balance> <stakes>  the experience limit is reached, at rest
//
//   resume_driver <experience limit>

#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/spin_schedule.h"
#include "game/game.h"
#include "qt/qt_desktop.h"

namespace {

using namespace tarvolenka;

constexpr int kSpeed = 10;
constexpr std::uint32_t kDayMs = 86400000;

void Say(const std::string& line) {
  const std::string text = line + "\n";
  [[maybe_unused]] const ssize_t n = ::write(STDOUT_FILENO, text.data(), text.size());
}

std::uint64_t Mix(std::uint64_t x, std::uint64_t salt) {
  x += salt * 0x9e3779b97f4a7c15ull;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
  return x ^ (x >> 31);
}

enum class Outcome { Any, LineWin, FreeSpins, Bonus };

bool Shows(Outcome wanted, const ReelWindow& w) {
  const int stars = CountVisible(w, kBonusSymbol);
  const int scatters = CountVisible(w, kScatterSymbol);
  WinningLineFlags lines{};
  switch (wanted) {
    case Outcome::LineWin:
      return stars < 3 && scatters < 3 && EvaluateLines(w, lines) > 0;
    case Outcome::FreeSpins:
      return stars < 3 && scatters >= 3;
    case Outcome::Bonus:
      return stars >= 3 && scatters < 3;
    case Outcome::Any:
      break;
  }
  return true;
}

// The desktop with a clock that reads the game's experience, and every pause and timer cut.
class DriverDesktop : public qt::QtDesktop {
 public:
  DriverDesktop() : QtDesktop(1.0) {
    for (int w = 0; w < kWindowCount; ++w) {
      const auto& timers = SpecOf(static_cast<WindowId>(w)).timers;
      for (std::size_t t = 0; t < timers.size(); ++t)
        SetTimerInterval({static_cast<WindowId>(w), static_cast<std::uint8_t>(t)},
                         timers[t].intervalMs);
    }
  }
  void SetMachine(const Machine* m) { m_ = m; }
  void SteerNextSpin(Outcome wanted) { steer_ = wanted; }

  void Pause(int ms, std::function<void()> then) override {
    QtDesktop::Pause(Cut(ms), std::move(then));
  }
  void SetTimerInterval(TimerRef timer, int ms) override {
    QtDesktop::SetTimerInterval(timer, Cut(ms));
  }
  // The paid spin the player starts is steered to its outcome; every other reading follows
  // from the experience and the window asking.
  std::uint32_t MillisSinceMidnightUtc() const override {
    if (m_ == nullptr) return 0;
    const auto e = static_cast<std::uint64_t>(m_->State.Experience);
    const std::uint64_t asker = IsShown(WindowId::GoldenPick) ? 1
                                : IsShown(WindowId::DoubleUp) ? 2
                                                              : 0;
    auto seed = static_cast<std::uint32_t>(Mix(e, asker) % kDayMs);
    if (asker != 0 || steer_ == Outcome::Any) return seed;
    for (;; seed = (seed + 1) % kDayMs) {
      ReelWindow reels = m_->Reels;
      Random r;
      r.Seed(seed);
      AdvanceReels(reels, kStopSchedule, r);
      if (Shows(steer_, reels)) break;
    }
    steer_ = Outcome::Any;
    return seed;
  }

 private:
  static int Cut(int ms) { return std::max(1, ms / kSpeed); }
  const Machine* m_ = nullptr;
  mutable Outcome steer_ = Outcome::Any;
};

class Player {
 public:
  Player(DriverDesktop& desktop, Game& game, std::int64_t limit)
      : d_(desktop), game_(game), limit_(limit) {}

  void Act() {
    if (clicking_) return;
    const Machine& m = game_.machine();
    const std::uint64_t e = static_cast<std::uint64_t>(m.State.Experience);
    const auto choose = [e](std::uint64_t salt, int n) {
      return static_cast<int>(Mix(e, salt) % static_cast<std::uint64_t>(n));
    };
    // The result screen and the double-up stay a while, as a player reads them.
    if (d_.IsShown(WindowId::BonusResult)) {
      if (++dwell_ > 10 + choose(8, 60)) Click(Ref(BonusResultEl::OkButton));
      return;
    }
    if (d_.IsShown(WindowId::DoubleUp)) {
      if (++dwell_ > 10 + choose(7, 60)) Click(Ref(DoubleUpEl::CollectButton));
      return;
    }
    dwell_ = 0;
    if (Playing(game_.chooser(), WindowId::HatChooser))
      return Click(Ref(ChooserHat(1 + choose(11, 3))));
    if (Playing(game_.bottles(), WindowId::Bottles)) return Click(Ref(Bottle(1 + choose(12, 5))));
    if (Playing(game_.goldenPick(), WindowId::GoldenPick))
      return Click(Ref(Cover(1 + choose(13, 3))));
    if (Playing(game_.cups(), WindowId::Cups)) {
      const auto marks = game_.cups().Snapshot().marks;
      for (int j = 0, first = choose(14, kCups); j < kCups; ++j)
        if (const int cup = (first + 7 * j) % kCups; marks[cup] == 0)
          return Click(Ref(Cup(cup + 1)));
    }
    if (Playing(game_.goldenBoard(), WindowId::GoldenBoard)) {
      const auto marks = game_.goldenBoard().Snapshot().marks;
      for (int j = 0, first = choose(15, kBoardCells); j < kBoardCells; ++j)
        if (const int k = (first + 5 * j) % kBoardCells; marks[k] == 0)
          return Click(Ref(BoardCell(k + 1)));
    }
    if (Playing(game_.meze(), WindowId::Meze)) {
      const auto marks = game_.meze().Snapshot().marks;
      for (int row = 0; row < kMezeRows; ++row) {
        bool picked = false;
        for (int k = 0; k < kMezeCells; ++k) picked = picked || marks[row * kMezeCells + k] != 0;
        if (!picked) return Click(Ref(MezePicture(row, 1 + choose(16 + row, kMezeCells))));
      }
    }
    if (AtRest(m)) Rest(m, choose);
  }

 private:
  template <class Window>
  bool Playing(const Window& window, WindowId id) const {
    return d_.IsShown(id) && window.Snapshot().dealt == ResumableWindow::kDealt;
  }
  bool AtRest(const Machine& m) const {
    for (int w = 1; w < kWindowCount; ++w)
      if (d_.IsShown(static_cast<WindowId>(w))) return false;
    return m.StartEnabled == 1 && game_.main().cycle().freeSpins() == 0 && !d_.pausing() &&
           !d_.IsTimerRunning(TimerOf(MainTimer::Spin)) &&
           !d_.IsTimerRunning(TimerOf(MainTimer::FreeSpin));
  }
  template <class Choose>
  void Rest(const Machine& m, const Choose& choose) {
    const GameState& s = m.State;
    if (s.Experience != lastRest_) {
      lastRest_ = s.Experience;
      Say("REST " + std::to_string(s.Experience) + " " + std::to_string(s.Balance));
    }
    if (s.Experience >= limit_) {
      Say("DONE " + std::to_string(s.Experience) + " " + std::to_string(s.Balance) + " " +
          std::to_string(stakes_));
      ::_exit(0);
    }
    if (m.DoubleEnabled == 1 && s.LastWin > 0 && choose(5, 2) == 0)
      return Click(Ref(MainEl::DoubleButton));
    // The reels the spin starts from, and its outcome, follow from the experience too.
    Machine& machine = game_.machine();
    for (std::size_t i = 0; i < machine.Reels.cells.size(); ++i)
      machine.Reels.cells[i] = static_cast<SymbolId>(1 + choose(100 + i, 10));
    game_.main().LoadCellPictures();
    constexpr Outcome kOutcomes[] = {
        Outcome::Bonus,   Outcome::Bonus,   Outcome::Bonus,     Outcome::Bonus, Outcome::LineWin,
        Outcome::LineWin, Outcome::LineWin, Outcome::FreeSpins, Outcome::Any,   Outcome::Any};
    d_.SteerNextSpin(kOutcomes[choose(6, 10)]);
    stakes_ += s.TotalStake;
    Click(Ref(MainEl::StartButton));
  }
  // From an event of its own: a click that opens a modal window runs that window's loop, and
  // this player's timer does not fire inside its own handler.
  void Click(ElementRef element) {
    clicking_ = true;
    QTimer::singleShot(0, [this, element] {
      clicking_ = false;
      d_.ClickElement(element);
    });
  }

  DriverDesktop& d_;
  Game& game_;
  std::int64_t limit_;
  std::int64_t lastRest_ = -1;
  std::int64_t stakes_ = 0;  // of this process: the whole series' only when never killed
  int dwell_ = 0;
  bool clicking_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::int64_t limit = argc > 1 ? std::atoll(argv[1]) : 1000;
  DriverDesktop desktop;
  Game game(desktop, std::filesystem::current_path() / kSaveFileName);
  desktop.SetMachine(&game.machine());
  desktop.Start();
  Player player(desktop, game, limit);
  QTimer act;
  QObject::connect(&act, &QTimer::timeout, [&player] { player.Act(); });
  act.start(2);
  return app.exec();
}
