#pragma once

// A started game on the virtual desktop, for scenario tests of the main window.

#include <gtest/gtest.h>

#include <memory>

#include "game/game.h"
#include "tests/support/spin_oracle.h"
#include "tests/support/temp_dir.h"
#include "tests/support/virtual_desktop.h"

namespace tarvolenka {

class MachineTest : public ::testing::Test {
 protected:
  void SetUp() override { Launch(); }

  // Starts the game, after `prepare` has shaped the saved state.
  void Launch(const std::function<void(GameState&)>& prepare = {}) {
    if (prepare) {
      GameState s = NewGameState(desk_.NowLocal());
      prepare(s);
      SaveFile(dir_ / kSaveFileName).Write(Encode(s));
    }
    game_ = std::make_unique<Game>(desk_, dir_ / kSaveFileName);
    // The main window's own game: a run of free spins may bring three bonus stars, and the
    // bonus games have their own tests.
    game_->main().SetBonusStep(nullptr);
    desk_.Start();
  }

  Machine& m() { return game_->machine(); }
  const ReelSpin& spin() const { return game_->main().spin(); }
  GameState& s() { return game_->machine().State; }
  MainWindow& form() { return game_->main(); }
  SpinCycle& cycle() { return game_->main().cycle(); }
  const std::string& Text(MainEl e) { return desk_.Text(Ref(e)); }
  Picture Pic(MainEl e) { return desk_.PictureOf(Ref(e)); }
  testing::ClickResult Click(MainEl e) { return desk_.Click(Ref(e)); }
  bool Running(MainTimer t) { return desk_.IsTimerRunning(TimerOf(t)); }
  bool Spinning() { return Running(MainTimer::Spin); }
  int CueCount(Cue cue) {
    int n = 0;
    for (const auto& c : desk_.cues()) n += c.cue == cue ? 1 : 0;
    return n;
  }
  // Runs until the spin under way has ended; returns the virtual milliseconds it took.
  std::int64_t FinishSpin() {
    const std::int64_t start = desk_.now();
    EXPECT_TRUE(desk_.RunUntil([this] { return !Spinning(); }, 60000));
    return desk_.now() - start;
  }
  // Waits for a moment whose spin ends on a screen that `wanted` accepts.
  void WaitFor(const std::function<bool(const ReelWindow&)>& wanted) {
    ASSERT_TRUE(testing::WaitForOutcome(desk_, m(), wanted));
  }

  testing::TempDir dir_;
  testing::VirtualDesktop desk_{MakeDateTime(2026, 12, 8, 10, 0, 0)};
  std::unique_ptr<Game> game_;
};

inline bool NoFeature(const ReelWindow& w) {
  return CountVisible(w, kScatterSymbol) < 3 && CountVisible(w, kBonusSymbol) < 3;
}
inline bool Losing(const ReelWindow& w) {
  WinningLineFlags f{};
  return NoFeature(w) && EvaluateLines(w, f) == 0;
}
inline bool Winning(const ReelWindow& w) {
  WinningLineFlags f{};
  return NoFeature(w) && EvaluateLines(w, f) > 0;
}
inline auto Scatters(int n) {
  return [n](const ReelWindow& w) {
    return CountVisible(w, kScatterSymbol) == n && CountVisible(w, kBonusSymbol) < 3;
  };
}

}  // namespace tarvolenka
