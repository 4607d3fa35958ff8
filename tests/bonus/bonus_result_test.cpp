// The bonus result window on its own: its texts, its font that fits, and its closing.

#include "core/fitting_points.h"
#include "tests/bonus/bonus_fixture.h"

namespace tarvolenka {
namespace {

using testing::BonusTest;

class ResultTest : public BonusTest {
 protected:
  void Show(std::int32_t stake, std::int32_t multiplier, std::int64_t amount) {
    m().State.LineStake = stake;
    SetRound({.multiplier = multiplier, .amount = amount});
    desk_.RunModal(WindowId::BonusResult);
    ASSERT_TRUE(AllMovesMade());
  }
};

TEST_F(ResultTest, ShowsTheWinAndItsFactorsUntilOkIsClicked) {
  When(WindowId::BonusResult, [this] {
    EXPECT_EQ(desk_.Text(Ref(BonusResultEl::Win)), "2250");
    EXPECT_EQ(desk_.Text(Ref(BonusResultEl::Reckoning)), "150 × 3 (бутилка) × 5 (на линия) = 2250");
    EXPECT_EQ(desk_.State(Ref(BonusResultEl::Win)).fontSize, 48);
    // The named factors fit their plank in the design's type.
    EXPECT_EQ(desk_.State(Ref(BonusResultEl::Reckoning)).fontSize, 12);
  });
  // Nothing but OK closes it: the window waits while time passes.
  When(WindowId::BonusResult, [this] {
    EXPECT_EQ(Click(Ref(BonusResultEl::Banner)), testing::ClickResult::NoHandler);
    EXPECT_TRUE(desk_.IsShown(WindowId::BonusResult));
    Click(Ref(BonusResultEl::OkButton));
  });
  Show(5, 3, 150);
  EXPECT_EQ(round().amount, 150);  // the window only shows; the sequence pays
  EXPECT_TRUE(desk_.cues().empty());
}

TEST_F(ResultTest, TheWindowSystemClosesItAsOkWould) {
  When(WindowId::BonusResult, [this] {
    EXPECT_EQ(desk_.Text(Ref(BonusResultEl::Reckoning)), "40 × 2 (на линия) = 80");
    desk_.CloseByWindowSystem(WindowId::BonusResult);
  });
  Show(2, 1, 40);
  EXPECT_EQ(desk_.Closings(WindowId::BonusResult), 1);
}

TEST_F(ResultTest, NamesTheGameThatPaidAndABigWinsTier) {
  struct Row {
    const char* name;
    std::uint8_t choice;
    std::int64_t amount;  // at a stake of 1 on 10 lines
    const char* expected;
  };
  for (const Row row : {Row{"drinks, 19 stakes", 1, 190, "ПИЯН БОНУС"},
                        Row{"meze, 20 stakes", 2, 200, "МЕЗЕ БОНУС  ·  ГОЛЯМА ПЕЧАЛБА!"},
                        Row{"golden, 100 stakes", 3, 1000, "ЗЛАТЕН БОНУС  ·  ЕПИЧНА ПЕЧАЛБА!"}}) {
    std::string shown;
    When(WindowId::BonusResult, [&] {
      shown = desk_.Text(Ref(BonusResultEl::Game));
      Click(Ref(BonusResultEl::OkButton));
    });
    m().State.LineCount = 10;
    m().State.TotalStake = 10;
    m().State.LineStake = 1;
    SetRound({.choice = row.choice, .multiplier = 1, .amount = row.amount});
    desk_.RunModal(WindowId::BonusResult);
    EXPECT_EQ(shown, row.expected) << row.name;
  }
}

TEST(FittingPoints, KeepsTheDesignSizeWhileTheTextFitsAndShrinksLongerTexts) {
  EXPECT_EQ(FittingPoints("2250", 469, 48), 48);
  EXPECT_EQ(FittingPoints("9999999999", 469, 48), 48);  // ten digits still fit
  const int eleven = FittingPoints("10000000000", 469, 48);
  EXPECT_LT(eleven, 48);
  // Eleven digits of 0.695 em at `eleven` points stay within the label.
  EXPECT_LE(11 * 0.695 * eleven * 96.0 / 72.0, 469.0);
  EXPECT_GT(11 * 0.695 * (eleven + 1) * 96.0 / 72.0, 469.0);
  EXPECT_EQ(FittingPoints("", 469, 24), 24);
  // A Cyrillic letter is two bytes and one advance.
  EXPECT_EQ(FittingPoints("бутилка", 100, 48), FittingPoints("1234567", 100, 48));
}

}  // namespace
}  // namespace tarvolenka
