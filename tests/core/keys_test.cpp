// The main window played by keys: each key acts as the click on its control, guards included.

#include "tests/support/machine_fixture.h"

namespace tarvolenka {
namespace {

using testing::ClickResult;

class MainKeys : public MachineTest {
 protected:
  ClickResult Press(Key key) { return desk_.Press(key); }
};

TEST_F(MainKeys, ArrowsMoveTheLinesAndTheStakeAsTheirArrowsDo) {
  const int lines = s().LineCount;
  Press(Key::Left);
  EXPECT_LT(s().LineCount, lines);
  EXPECT_EQ(Text(MainEl::LinesCounter), std::to_string(s().LineCount));
  Press(Key::Right);
  EXPECT_EQ(s().LineCount, lines);
  m().StakePlusEnabled = 1;
  Press(Key::Up);
  const int raised = s().LineStake;
  Press(Key::Down);
  EXPECT_LT(s().LineStake, raised);
  EXPECT_EQ(Text(MainEl::LineStakeCounter), std::to_string(s().LineStake));
}

TEST_F(MainKeys, SpaceSpinsEnterStopsTheReelsAndOtherKeysWhileTheyTurnDoNothing) {
  const std::int64_t before = s().Balance;
  const int lines = s().LineCount, stake = s().LineStake;
  ASSERT_EQ(Press(Key::Space), ClickResult::Handled);
  ASSERT_TRUE(Spinning());
  const std::int64_t charged = s().Balance;
  EXPECT_EQ(charged, before - s().TotalStake);
  for (Key key : {Key::Left, Key::Right, Key::Up, Key::Down, Key::D, Key::T}) Press(key);
  EXPECT_EQ(s().LineCount, lines);
  EXPECT_EQ(s().LineStake, stake);
  EXPECT_FALSE(desk_.IsShown(WindowId::Legend));
  ASSERT_TRUE(Spinning());
  Press(Key::Enter);
  EXPECT_FALSE(Spinning());
  EXPECT_EQ(s().Balance, charged + s().LastWin);  // stopped and paid, no second stake taken
}

TEST_F(MainKeys, LettersToggleSoundAndAutoPlayAndOpenTheLegend) {
  const int sound = s().SoundOn;
  Press(Key::M);
  EXPECT_NE(s().SoundOn, sound);
  Press(Key::M);
  EXPECT_EQ(s().SoundOn, sound);

  desk_.Then(100, [this] {
    EXPECT_TRUE(desk_.IsShown(WindowId::Legend));
    // The legend's own window has no keys of the main window.
    EXPECT_EQ(Press(Key::Space), ClickResult::NoHandler);
    desk_.CloseByWindowSystem(WindowId::Legend);
  });
  Press(Key::T);
  EXPECT_FALSE(desk_.IsShown(WindowId::Legend));
  EXPECT_FALSE(Spinning());

  Press(Key::A);
  EXPECT_TRUE(cycle().autoPlay());
  EXPECT_TRUE(Spinning());
  Press(Key::A);
  EXPECT_FALSE(cycle().autoPlay());
  // The timed bonus is not due, its button hidden: B clicks nothing.
  EXPECT_EQ(Press(Key::B), ClickResult::NoHandler);
}

TEST_F(MainKeys, F1OpensTheRulesButNotWhileTheReelsTurn) {
  desk_.Then(100, [this] {
    EXPECT_TRUE(desk_.IsShown(WindowId::Rules));
    desk_.CloseByWindowSystem(WindowId::Rules);
  });
  EXPECT_EQ(Press(Key::F1), ClickResult::Handled);
  EXPECT_FALSE(desk_.IsShown(WindowId::Rules));
  Press(Key::Space);
  ASSERT_TRUE(Spinning());
  Press(Key::F1);  // would wait for ever on a window nothing closes
  EXPECT_FALSE(desk_.IsShown(WindowId::Rules));
}

}  // namespace
}  // namespace tarvolenka
