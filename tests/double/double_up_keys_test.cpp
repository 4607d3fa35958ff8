// The double-up played by keys: ← vodka, → beer, J the joker, Enter or Space collects; keys
// pressed during its pauses are dropped like clicks.

#include <gtest/gtest.h>

#include "tests/support/machine_fixture.h"

namespace tarvolenka {
namespace {

class DoubleUpKeys : public MachineTest {
 protected:
  void Won(std::int64_t win) {
    s().LastWin = win;
    s().Balance += win;
    form().EnableControls();
    form().RefreshDisplay();
  }
  Key RightGuess() {
    Random copy = m().Rng;
    return (copy.Below(256) & 1u) != 0 ? Key::Left : Key::Right;
  }
};

TEST_F(DoubleUpKeys, GuessesByArrowAndCollectsByEnterDroppingKeysDuringThePause) {
  Won(25);
  const std::int64_t before = s().Balance;
  desk_.Then(100, [this] { desk_.Press(RightGuess()); });
  // Inside the pause after the guess: both are dropped, neither guessing nor collecting.
  desk_.ThenPress(durations::kAfterGuess / 2, Key::Left);
  desk_.ThenPress(0, Key::Enter);
  desk_.Then(durations::kAfterGuess, [this] {
    EXPECT_EQ(desk_.discardedActions(), 2);
    EXPECT_EQ(desk_.Text(Ref(DoubleUpEl::Amount)), "50");
    desk_.Press(RightGuess());
  });
  desk_.ThenPress(durations::kAfterGuess + 100, Key::Space);
  ASSERT_EQ(desk_.Press(Key::D), testing::ClickResult::Handled);
  EXPECT_FALSE(desk_.IsShown(WindowId::DoubleUp));
  EXPECT_EQ(s().Balance, before - 25 + 100);
}

TEST_F(DoubleUpKeys, JUsesTheJoker) {
  Won(10);
  const int jokers = s().JokerUses;
  desk_.ThenPress(100, Key::J);
  desk_.ThenPress(durations::kAfterGuess + 100, Key::Enter);
  desk_.Press(Key::D);
  EXPECT_EQ(s().JokerUses, jokers + 1);
  EXPECT_EQ(game_->doubleUp().rules().inHand(), 20);
}

}  // namespace
}  // namespace tarvolenka
