// The bonus games played by keys: digits pick the numbered hats, covers, bottles and the meze
// vegetables of the row in play, Enter confirms the result.

#include <algorithm>

#include "tests/bonus/bonus_fixture.h"

namespace tarvolenka {
namespace {

using testing::BonusTest;
using testing::ClickResult;

constexpr int kDrinks = 1, kMeze = 2, kGolden = 3;

class BonusKeys : public BonusTest {
 protected:
  void ChooseByKey(int bonus) {
    When(WindowId::HatChooser, [this, bonus] {
      const auto& hats = game().chooser().hatContents();
      const auto hat = std::find(hats.begin(), hats.end(), bonus) - hats.begin() + 1;
      ASSERT_EQ(desk_.Press(DigitKey(static_cast<int>(hat))), ClickResult::Handled);
    });
  }
  void PressIn(WindowId window, Key key) {
    When(window, [this, key] { ASSERT_EQ(desk_.Press(key), ClickResult::Handled); });
  }
  // Digit 6 lands on the sixth vegetable of the newest row, whichever row that is; the meze
  // goes on to the next row until a zero or the last row ends it, and Enter takes the result.
  void PressSixth(int row) {
    When(WindowId::Meze, [this, row] {
      EXPECT_EQ(desk_.Press(Key::Digit7), ClickResult::NoHandler);  // six a row
      const std::int64_t prize = game().meze().mezePrizes()[static_cast<std::size_t>(row)][5];
      expected_ += prize;
      ASSERT_EQ(desk_.Press(Key::Digit6), ClickResult::Handled);
      EXPECT_EQ(round().amount, expected_) << "row " << row;
      EXPECT_TRUE(desk_.Visible(Ref(MezeLabel(row, 6))));
      ++rowsPlayed_;
      // The row's reveal follows; a zero or the last row then ends the meze.
      if (prize != 0 && row + 1 < kMezeRows)
        PressSixth(row + 1);
      else
        PressIn(WindowId::BonusResult, Key::Enter);
    });
  }
  std::int64_t expected_ = 0;
  int rowsPlayed_ = 0;
};

TEST_F(BonusKeys, TheMezeIsPlayedWholeByDigitsAndEnter) {
  ArrangeBonusSymbols(3);
  ChooseByKey(kMeze);
  PressSixth(0);
  PlayBonus();
  EXPECT_TRUE(AllMovesMade());
  EXPECT_FALSE(desk_.IsShown(WindowId::BonusResult));
  EXPECT_GT(rowsPlayed_, 0);
  EXPECT_EQ(round().amount, expected_);
}

TEST_F(BonusKeys, DigitsPickTheHatTheCoverAndTheBottleOfTheirNumber) {
  ArrangeBonusSymbols(3);
  ChooseByKey(kGolden);
  When(WindowId::GoldenPick, [this] {
    EXPECT_EQ(desk_.Press(Key::Digit4), ClickResult::NoHandler);  // three covers
    ASSERT_EQ(desk_.Press(Key::Digit2), ClickResult::Handled);
    EXPECT_EQ(desk_.PictureOf(Ref(Cover(2))),
              desk_.PictureOf(Ref(FoulsPicture(round().goldenPick))));
  });
  PlayTheRestByDefault();
  PlayBonus();
  EXPECT_TRUE(AllMovesMade());

  When(WindowId::Bottles, [this] { ASSERT_EQ(desk_.Press(Key::Digit4), ClickResult::Handled); });
  desk_.RunModal(WindowId::Bottles);
  EXPECT_EQ(round().bottleChoice, 4);
  EXPECT_TRUE(AllMovesMade());
}

}  // namespace
}  // namespace tarvolenka
