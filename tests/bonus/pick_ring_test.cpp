// The pick windows played by their ring: the arrows move it as the choices lie on the screen,
// passing over those already picked, and Enter or Space picks the choice it frames.

#include <set>
#include <string>

#include "tests/bonus/bonus_fixture.h"

namespace tarvolenka {
namespace {

using testing::BonusTest;
using testing::ClickResult;

constexpr Key L = Key::Left, R = Key::Right, U = Key::Up, D = Key::Down;

class PickRingTest : public BonusTest {
 protected:
  void SetUp() override {
    BonusTest::SetUp();
    SetRound({.symbolCount = 3, .multiplier = 1, .bottleChoice = 1, .goldenPick = 4});
  }
  static ElementRef Choice(WindowId window, int n) {
    return {window, static_cast<std::uint16_t>(PickRingOf(window)->first + n - 1)};
  }
  // The choice the ring is centred on, 0 for none.
  int Ringed(WindowId window) const {
    const Point at = desk_.State({window, PickRingOf(window)->ring}).rect.Centre();
    for (int n = 1; n <= PickRingOf(window)->count; ++n)
      if (SpecOf(Choice(window, n)).rect.Centre() == at) return n;
    return 0;
  }
  Rgb RingColour(WindowId window) const {
    return desk_.State({window, PickRingOf(window)->ring}).colour;
  }
  // The choice picked last; the hats keep no record of theirs.
  int LastPick(WindowId window) {
    if (window == WindowId::HatChooser) return game().chooser().rules().pickedCover();
    const BonusPick& pick = m().Record.bonusPicks.back();
    return pick.row == 0 ? pick.choice : (pick.row - 1) * kMezeCells + pick.choice;
  }
};

struct RingCase {
  const char* name;
  WindowId window;
  std::vector<int> clicked;  // picked by the mouse first: the ring follows
  std::vector<Key> keys;
  int ringed;  // where the keys leave the ring, and what Enter picks
};

class RingKeys : public PickRingTest, public ::testing::WithParamInterface<RingCase> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Layouts, RingKeys, ::testing::Values(
    RingCase{"HatsOneRow", WindowId::HatChooser, {}, {R, R, R, L, U}, 2},
    RingCase{"Covers", WindowId::GoldenPick, {}, {R, R, R}, 3},
    RingCase{"BottlesOneRow", WindowId::Bottles, {}, {R, R, R, L}, 3},
    // Up the pyramid's middle from cup 5, across, down, past the opened 5, to the bottom row.
    RingCase{"CupsPyramid", WindowId::Cups, {5}, {U, R, D, L, D}, 10},
    // Up from 6 to the nearest covered cell, across past uncovered 2, down, left past 6.
    RingCase{"GoldenBoardGrid", WindowId::GoldenBoard, {2, 6}, {U, R, D, L, D}, 9},
    RingCase{"MezeNewestRowOnly", WindowId::Meze, {}, {R, R, U, L}, 2}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST_P(RingKeys, ArrowsMoveTheRingAsTheChoicesLieAndEnterPicksTheRingedChoice) {
  const RingCase& c = GetParam();
  When(c.window, [this, &c] {
    EXPECT_EQ(Ringed(c.window), 1);
    for (int n : c.clicked) ASSERT_EQ(Click(Choice(c.window, n)), ClickResult::Handled);
    for (Key key : c.keys) desk_.Press(key);
    EXPECT_EQ(Ringed(c.window), c.ringed);
    EXPECT_EQ(RingColour(c.window), kRingLit);
    ASSERT_EQ(desk_.Press(Key::Enter), ClickResult::Handled);
    EXPECT_EQ(LastPick(c.window), c.ringed);
    EXPECT_EQ(Ringed(c.window), c.ringed);
  });
  PlayTheRestByDefault();
  desk_.RunModal(c.window);
  EXPECT_TRUE(AllMovesMade());
}

class WholeRound : public PickRingTest, public ::testing::WithParamInterface<WindowId> {};
INSTANTIATE_TEST_SUITE_P(Boards, WholeRound,
                         ::testing::Values(WindowId::GoldenBoard, WindowId::Cups));

// Enter, then the first arrow that moves the ring on, until the round plays out.
TEST_P(WholeRound, IsPlayedToItsEndByTheArrowsAndEnterAlone) {
  const WindowId window = GetParam();
  int enters = 0;
  When(window, [this, window, &enters] {
    while (!desk_.paused() && enters < PickRingOf(window)->count) {
      ASSERT_EQ(desk_.Press(Key::Enter), ClickResult::Handled);
      ++enters;
      const int at = Ringed(window);
      for (Key key : {R, D, L, U})
        if (!desk_.paused() && Ringed(window) == at) desk_.Press(key);
      EXPECT_TRUE(desk_.paused() || Ringed(window) != at) << "stuck on " << at;
    }
  });
  desk_.RunModal(window);
  EXPECT_FALSE(desk_.IsShown(window));
  std::set<int> picked;
  for (const BonusPick& pick : m().Record.bonusPicks) picked.insert(pick.choice);
  EXPECT_EQ(static_cast<int>(picked.size()), enters);  // each a new choice
  EXPECT_TRUE(window == WindowId::Cups ? game().cups().rules().result().has_value()
                                       : game().goldenBoard().rules().Over());
}

TEST_F(PickRingTest, TheMezeRingDimsWhileItsRowIsRevealedThenClimbsInItsColumn) {
  int column = 1;
  When(WindowId::Meze, [this, &column] {
    // A prize other than zero, so that a next row opens.
    while (game().meze().mezePrizes()[0][static_cast<std::size_t>(column - 1)] == 0) ++column;
    for (int k = 1; k < column; ++k) desk_.Press(R);
    ASSERT_EQ(desk_.Press(Key::Space), ClickResult::Handled);
    EXPECT_EQ(RingColour(WindowId::Meze), kRingWaiting);
    EXPECT_EQ(desk_.Press(L), ClickResult::Paused);
  });
  When(WindowId::Meze, [this, &column] {
    EXPECT_EQ(Ringed(WindowId::Meze), kMezeCells + column);
    EXPECT_EQ(RingColour(WindowId::Meze), kRingLit);
  });
  PlayTheRestByDefault();
  desk_.RunModal(WindowId::Meze);
  EXPECT_TRUE(AllMovesMade());
}

}  // namespace
}  // namespace tarvolenka
