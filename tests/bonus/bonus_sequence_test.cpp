// The bonus step of the end of a spin: the trigger, the hat chooser, the three bonus
// sequences, their payment and the save points around them.

#include <algorithm>
#include <set>

#include "core/paylines.h"
#include "core/spin_schedule.h"
#include "tests/bonus/bonus_fixture.h"

namespace tarvolenka {
namespace {

using testing::BonusTest;
using testing::Replay;

class BonusSequenceTest : public BonusTest {
 protected:
  // The hat that hides `bonus` in the chooser now shown.
  int HatOf(int bonus) {
    const auto& hats = game().chooser().hatContents();
    return static_cast<int>(std::find(hats.begin(), hats.end(), bonus) - hats.begin()) + 1;
  }
  void ChooseBonus(int bonus) {
    When(WindowId::HatChooser, [this, bonus] { Click(Ref(ChooserHat(HatOf(bonus)))); });
  }
  // Picks the bottle whose multiplier is `multiplier`.
  void PickBottleWorth(int multiplier) {
    When(WindowId::Bottles, [this, multiplier] {
      const auto& values = game().bottles().bottleValues();
      const auto at = std::find(values.begin(), values.end(), multiplier) - values.begin();
      Click(Ref(Bottle(static_cast<int>(at) + 1)));
    });
  }
  // Opens the three cups that hide `prize`.
  void OpenCupsWorth(std::int64_t prize) {
    When(WindowId::Cups, [this, prize] {
      const auto prizes = game().cups().cupPrizes();
      for (int i = 1; i <= kCups; ++i)
        if (prizes[static_cast<std::size_t>(i - 1)] == prize) Click(Ref(Cup(i)));
    });
  }
  // Picks a cell of meze row `row` that holds `prize`.
  void PickMeze(int row, std::int64_t prize) {
    When(WindowId::Meze, [this, row, prize] {
      const auto& cells = game().meze().mezePrizes()[static_cast<std::size_t>(row)];
      const auto at = std::find(cells.begin(), cells.end(), prize) - cells.begin();
      ASSERT_LT(at, kMezeCells) << "no " << prize << " in row " << row;
      Click(Ref(MezePicture(row, static_cast<int>(at) + 1)));
    });
  }
  // Uncovers `coins` coins, then fouls until the board ends.
  void CollectCoins(int coins) {
    When(WindowId::GoldenBoard, [this, coins] {
      const auto cells = game().goldenBoard().rules().cells();
      int found = 0;
      for (int k = 1; k <= kBoardCells && found < coins; ++k)
        if (cells[static_cast<std::size_t>(k - 1)] == 1) {
          Click(Ref(BoardCell(k)));
          ++found;
        }
      for (int k = 1; k <= kBoardCells; ++k)
        if (cells[static_cast<std::size_t>(k - 1)] == 0) Click(Ref(BoardCell(k)));
    });
  }
  void ExpectResultTexts(std::string win, std::string reckoning) {
    When(WindowId::BonusResult, [this, win, reckoning] {
      EXPECT_EQ(desk_.Text(Ref(BonusResultEl::Win)), win);
      EXPECT_EQ(desk_.Text(Ref(BonusResultEl::Reckoning)), reckoning);
      Click(Ref(BonusResultEl::OkButton));
    });
  }
};

TEST_F(BonusSequenceTest, TwoVisibleBonusSymbolsOpenNothingWhateverTheHiddenRowHolds) {
  ArrangeBonusSymbols(2);
  for (int reel = 1; reel <= kReels; ++reel) m().Reels.at(0, reel) = kBonusSymbol;
  const std::int64_t before = desk_.now();
  const GameState state = m().State;
  PlayBonus();
  EXPECT_EQ(round().symbolCount, 2);
  EXPECT_EQ(desk_.now(), before);  // not even the pause before the chooser
  EXPECT_EQ(round().choice, kNoBonusGame);
  EXPECT_EQ(desk_.Closings(WindowId::HatChooser), 0);
  EXPECT_EQ(m().State, state);
}

TEST_F(BonusSequenceTest, ThreeFourOrFiveBonusSymbolsAnywhereOpenTheChooserAfterASecond) {
  PlayTheRestByDefault();
  for (int n = 3; n <= 5; ++n) {
    ArrangeBonusSymbols(0);
    // Off any payline pattern in particular: top, bottom and middle rows of spread reels.
    const int rows[] = {1, 3, 2, 1, 3};
    for (int reel = 1; reel <= n; ++reel) m().Reels.at(rows[reel - 1], reel) = kBonusSymbol;
    const std::int64_t start = desk_.now();
    std::int64_t openedAt = -1;
    When(WindowId::HatChooser, [&] {
      openedAt = desk_.now();
      Click(Ref(ChooserHat(1)));
    });
    PlayBonus();
    EXPECT_EQ(round().symbolCount, n);
    EXPECT_GE(openedAt - start, 1000) << n;
    EXPECT_EQ(desk_.Closings(WindowId::HatChooser), n - 2);
    EXPECT_EQ(desk_.Closings(WindowId::BonusResult), n - 2);
  }
}

TEST_F(BonusSequenceTest, EveryChooserShowingHidesOneTwoThreeAndThePickLiftsEveryHat) {
  std::set<std::array<std::uint8_t, 3>> arrangements;
  for (std::uint32_t trial = 0; trial < 60; ++trial) {
    const std::uint32_t seed = trial * 7919u + 13u;
    m().Rng.Seed(seed);
    const int hat = static_cast<int>(trial % 3) + 1;
    std::array<std::uint8_t, 3> contents{};
    When(WindowId::HatChooser, [&] {
      for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(desk_.PictureOf(Ref(ChooserHat(k))), Picture::Hat) << "hat " << k << " covered";
        const Rect at = desk_.State(Ref(ChooserHat(k))).rect,
                   laid = SpecOf(Ref(ChooserHat(k))).rect;
        EXPECT_EQ(at.width, 186);
        EXPECT_EQ(std::pair(at.left, at.top), std::pair(laid.left, laid.top)) << "hat " << k;
      }
      contents = game().chooser().hatContents();
      Click(Ref(ChooserHat(hat)));
    });
    desk_.RunModal(WindowId::HatChooser);
    ASSERT_TRUE(AllMovesMade());

    // The contents are dealt by the game's draw rule from the generator's sequence.
    Random r = Replay(seed);
    std::array<std::uint8_t, 3> expected{};
    expected[0] = static_cast<std::uint8_t>(1 + r.Below(3));
    do expected[1] = static_cast<std::uint8_t>(1 + r.Below(3));
    while (expected[1] == expected[0]);
    do expected[2] = static_cast<std::uint8_t>(1 + r.Below(3));
    while (expected[2] == expected[0] || expected[2] == expected[1]);
    EXPECT_EQ(contents, expected);
    arrangements.insert(contents);

    const std::uint8_t bonus = contents[static_cast<std::size_t>(hat - 1)];
    EXPECT_EQ(round().choice, bonus);
    const Picture revealed[] = {Picture::BonusDrinks, Picture::BonusMeze, Picture::BonusGolden};
    // Every hat shows its game; only the picked one is labelled the player's own.
    for (int k = 1; k <= 3; ++k) {
      const Picture p = desk_.PictureOf(Ref(ChooserHat(k)));
      EXPECT_EQ(p, revealed[contents[static_cast<std::size_t>(k - 1)] - 1]) << "trial " << trial;
      // The pick is marked in red by the status, in its label's place; the others are missed.
      EXPECT_EQ(desk_.Visible(Ref(HatLabel(k))), k != hat);
      if (k != hat) {
        EXPECT_EQ(desk_.Text(Ref(HatLabel(k))), "пропуснат");
      }
      // The games stand on one line, side by side, over one row of labels.
      const Rect game = desk_.State(Ref(ChooserHat(k))).rect;
      const Rect first = desk_.State(Ref(ChooserHat(1))).rect;
      EXPECT_EQ(game.Bottom(), first.Bottom()) << "hat " << k;
      EXPECT_LE(game.Bottom(), desk_.State(Ref(HatLabel(k))).rect.top);
      EXPECT_EQ(desk_.State(Ref(HatLabel(k))).rect.top, desk_.State(Ref(HatLabel(1))).rect.top);
      if (k > 1) {
        EXPECT_LE(desk_.State(Ref(ChooserHat(k - 1))).rect.Right(), game.left);
      }
    }
    EXPECT_FALSE(desk_.Visible(Ref(HatChooserEl::Banner))) << "the prompt outlives the pick";
    EXPECT_EQ(desk_.Text(Ref(HatChooserEl::Status)), "ВАШИЯТ ИЗБОР");
    EXPECT_EQ(desk_.State(Ref(HatChooserEl::Status)).rect.Centre().x,
              desk_.State(Ref(HatLabel(hat))).rect.Centre().x);
    EXPECT_EQ(desk_.Text(Ref(HatChooserEl::Title)), "ЗАПОЧВА " + std::string(BonusGameName(bonus)));
    EXPECT_EQ(desk_.State(Ref(ChooserHat(hat))).rect.width, SpecOf(revealed[bonus - 1]).width);
  }
  EXPECT_EQ(arrangements.size(), 6u);
  EXPECT_EQ(CueCount(Cue::Pick), 60);
}

TEST_F(BonusSequenceTest, TheChooserClosesFourSecondsAfterThePickAndRefusesToCloseBefore) {
  std::int64_t pickedAt = 0;
  When(WindowId::HatChooser, [&] {
    EXPECT_FALSE(game().chooser().CloseRequested());
    desk_.CloseByWindowSystem(WindowId::HatChooser);
    EXPECT_TRUE(desk_.IsShown(WindowId::HatChooser));
    pickedAt = desk_.now();
    Click(Ref(ChooserHat(2)));
  });
  desk_.RunModal(WindowId::HatChooser);
  EXPECT_EQ(*desk_.ClosedAt(WindowId::HatChooser) - pickedAt, 4000);
  EXPECT_GE(round().choice, 1);
  EXPECT_TRUE(game().chooser().CloseRequested());
}

TEST_F(BonusSequenceTest, GoldenBonusOfTwoHundredAtStakeFiveAddsAThousand) {
  m().State.LineStake = 5;
  m().State.Balance = 10000;
  m().State.LastWin = 30;
  ArrangeBonusSymbols(3);
  ChooseBonus(3);
  When(WindowId::GoldenPick, [this] { Click(Ref(Cover(1))); });
  CollectCoins(2);
  ExpectResultTexts("1000", "200 × 5 (на линия) = 1000");
  PlayBonus();
  ASSERT_TRUE(AllMovesMade());
  EXPECT_EQ(m().State.Balance, 11000);
  EXPECT_EQ(m().State.LastWin, 1030);
  EXPECT_EQ(round().amount, 1000);
  EXPECT_EQ(desk_.Text(Ref(MainEl::CreditCounter)), "11000");
  EXPECT_EQ(desk_.Text(Ref(MainEl::WinCounter)), "1030");
}

TEST_F(BonusSequenceTest, MezeBonusOfTwoHundredAtStakeFiveAddsAThousand) {
  m().State.LineStake = 5;
  m().State.Balance = 10000;
  m().State.LastWin = 0;
  ArrangeBonusSymbols(5);  // prizes × 5: 20 → 100, 20 → 100, then a zero
  ChooseBonus(2);
  PickMeze(0, 100);
  PickMeze(1, 100);
  PickMeze(2, 0);
  ExpectResultTexts("1000", "200 × 5 (на линия) = 1000");
  PlayBonus();
  ASSERT_TRUE(AllMovesMade());
  EXPECT_EQ(m().State.Balance, 11000);
  EXPECT_EQ(m().State.LastWin, 1000);
  EXPECT_EQ(round().amount, 1000);
}

TEST_F(BonusSequenceTest, DrinksBonusMultipliesTheCupsPrizeByTheBottleAndTheStake) {
  m().State.LineStake = 2;
  m().State.Balance = 500;
  m().State.LastWin = 4;
  ArrangeBonusSymbols(4);  // cups levels 20, 40, 80, 200, 600
  ChooseBonus(1);
  PickBottleWorth(3);
  OpenCupsWorth(40);
  ExpectResultTexts("240", "40 × 3 (бутилка) × 2 (на линия) = 240");
  PlayBonus();
  ASSERT_TRUE(AllMovesMade());
  EXPECT_EQ(m().State.Balance, 740);
  EXPECT_EQ(m().State.LastWin, 244);
  EXPECT_EQ(round().amount, 240);
}

TEST_F(BonusSequenceTest, TheResultWindowShowsTheWinAndItsReckoning) {
  m().State.LineStake = 5;
  ArrangeBonusSymbols(3);
  ChooseBonus(1);
  PickBottleWorth(3);
  OpenCupsWorth(150);
  ExpectResultTexts("2250", "150 × 3 (бутилка) × 5 (на линия) = 2250");
  PlayBonus();
  ASSERT_TRUE(AllMovesMade());

  m().State.LineStake = 2;
  ArrangeBonusSymbols(4);
  ChooseBonus(2);
  PickMeze(0, 40);
  PickMeze(1, 0);
  ExpectResultTexts("80", "40 × 2 (на линия) = 80");
  PlayBonus();
  ASSERT_TRUE(AllMovesMade());
}

TEST_F(BonusSequenceTest, SavesBeforeTheChooserAndAfterPayment) {
  m().State.Balance = 5000;
  m().State.LastWin = 25;
  m().State.LineStake = 3;
  ArrangeBonusSymbols(3);
  GameState atChooser;
  When(WindowId::HatChooser, [&] {
    atChooser = Saved();
    Click(Ref(ChooserHat(HatOf(3))));
  });
  PlayTheRestByDefault();
  PlayBonus();
  EXPECT_EQ(atChooser.Balance, 5000);
  EXPECT_EQ(atChooser.LastWin, 25);
  const GameState after = Saved();
  EXPECT_EQ(after, m().State);
  EXPECT_GE(round().amount, 150);  // at least the bottom rung, 50 × 3
  EXPECT_EQ(after.Balance, 5000 + round().amount);
  EXPECT_EQ(after.LastWin, 25 + round().amount);
}

TEST_F(BonusSequenceTest, AWinAboveThirtyTwoBitsIsShownAndPaidInFull) {
  m().State.LineStake = 100000;
  m().State.Balance = 1;
  m().State.LastWin = 0;
  ArrangeBonusSymbols(3);
  ChooseBonus(3);
  When(WindowId::GoldenPick, [this] {
    const auto& v = game().goldenPick().goldenPickValues();
    Click(Ref(Cover(static_cast<int>(std::find(v.begin(), v.end(), 4) - v.begin()) + 1)));
  });
  CollectCoins(10);
  When(WindowId::BonusResult, [this] {
    EXPECT_EQ(desk_.Text(Ref(BonusResultEl::Win)), "10000000000");
    EXPECT_EQ(desk_.Text(Ref(BonusResultEl::Reckoning)),
              "100000 × 100000 (на линия) = 10000000000");
    // Eleven digits and the long reckoning are set smaller so that they fit their labels.
    EXPECT_LT(desk_.State(Ref(BonusResultEl::Win)).fontSize, 48);
    EXPECT_LT(desk_.State(Ref(BonusResultEl::Reckoning)).fontSize, 24);
    Click(Ref(BonusResultEl::OkButton));
  });
  PlayBonus();
  ASSERT_TRUE(AllMovesMade());
  EXPECT_EQ(round().amount, 10000000000);
  EXPECT_EQ(m().State.Balance, 10000000001);
  EXPECT_EQ(m().State.LastWin, 10000000000);
  EXPECT_EQ(Saved().Balance, 10000000001);
}

TEST_F(BonusSequenceTest, EveryBonusIsSilentWithTheSoundOffAndHeardWithItOn) {
  PlayTheRestByDefault();
  for (int sound : {0, 1}) {
    for (int bonus = 1; bonus <= 3; ++bonus) {
      m().State.SoundOn = static_cast<std::uint8_t>(sound);
      desk_.ClearCues();
      ArrangeBonusSymbols(3);
      ChooseBonus(bonus);
      PlayBonus();
      ASSERT_EQ(round().choice, bonus);
      EXPECT_EQ(desk_.Closings(WindowId::BonusResult), 3 * sound + bonus);
      if (sound == 0) {
        EXPECT_TRUE(desk_.cues().empty()) << "bonus " << bonus;
        continue;
      }
      // The hat, then: a bottle and at least three cups; a vegetable; a cover and the cells.
      EXPECT_EQ(desk_.cues().front().cue, Cue::Pick) << "bonus " << bonus;
      const int expected[] = {0, CueCount(Cue::Hit), CueCount(Cue::Pick), CueCount(Cue::Miss)};
      const int least[] = {0, 4, 2, 2};
      EXPECT_GE(expected[bonus], least[bonus]) << "bonus " << bonus;
    }
  }
}

TEST_F(BonusSequenceTest, PickWindowsRefuseTheWindowSystemUntilTheirPick) {
  ArrangeBonusSymbols(3);
  ChooseBonus(3);
  When(WindowId::GoldenPick, [this] {
    desk_.CloseByWindowSystem(WindowId::GoldenPick);
    EXPECT_TRUE(desk_.IsShown(WindowId::GoldenPick));
    Click(Ref(Cover(2)));
  });
  PlayTheRestByDefault();
  PlayBonus();
  ASSERT_TRUE(AllMovesMade());
  EXPECT_GE(round().goldenPick, 2);
  EXPECT_EQ(desk_.Closings(WindowId::GoldenBoard), 1);

  ArrangeBonusSymbols(3);
  ChooseBonus(1);
  When(WindowId::Bottles, [this] {
    desk_.CloseByWindowSystem(WindowId::Bottles);
    EXPECT_TRUE(desk_.IsShown(WindowId::Bottles));
    Click(Ref(Bottle(4)));
  });
  PlayBonus();
  ASSERT_TRUE(AllMovesMade());
  EXPECT_EQ(round().bottleChoice, 4);
  EXPECT_EQ(desk_.Closings(WindowId::Cups), 1);
}

TEST_F(BonusSequenceTest, AGameWindowRefusesTheWindowSystemsCloseUntilItsGameIsOver) {
  // Meze: after one pick the close box and Escape are refused; the game plays on and pays.
  ArrangeBonusSymbols(3);
  ChooseBonus(2);
  When(WindowId::Meze, [&] {
    Click(Ref(MezePicture(0, 4)));
    desk_.CloseByWindowSystem(WindowId::Meze);
    EXPECT_TRUE(desk_.IsShown(WindowId::Meze));
  });
  PlayTheRestByDefault();
  PlayBonus();
  ASSERT_TRUE(AllMovesMade());
  EXPECT_EQ(desk_.Closings(WindowId::Meze), 1);

  // Golden board and cups alike.
  ChooseBonus(3);
  When(WindowId::GoldenPick, [this] { Click(Ref(Cover(1))); });
  When(WindowId::GoldenBoard, [this] {
    desk_.CloseByWindowSystem(WindowId::GoldenBoard);
    EXPECT_TRUE(desk_.IsShown(WindowId::GoldenBoard));
  });
  PlayBonus();
  ChooseBonus(1);
  When(WindowId::Bottles, [this] { Click(Ref(Bottle(1))); });
  When(WindowId::Cups, [this] {
    Click(Ref(Cup(7)));
    desk_.CloseByWindowSystem(WindowId::Cups);
    EXPECT_TRUE(desk_.IsShown(WindowId::Cups));
  });
  PlayBonus();
  ASSERT_TRUE(AllMovesMade());
  EXPECT_EQ(desk_.Closings(WindowId::GoldenBoard), 1);
  EXPECT_EQ(desk_.Closings(WindowId::Cups), 1);
}

// The reels a spin started now would show, replayed from its seed with the stop schedule.
ReelWindow PredictSpin(ReelWindow reels, std::uint32_t seed) {
  Random r = Replay(seed);
  for (int advance = 1; advance <= kStopAfter[4]; ++advance) {
    ReelFlags turning{};
    for (std::size_t reel = 0; reel < turning.size(); ++reel)
      turning[reel] = advance <= kStopAfter[reel] ? 1 : 0;
    AdvanceReels(reels, turning, r);
  }
  return reels;
}

TEST_F(BonusSequenceTest, ABonusFromARealSpinRunsToItsEndAndGivesTheControlsBack) {
  // Wait for the moment whose spin ends on three bonus symbols and no free spins.
  ReelWindow predicted;
  bool found = false;
  for (int ms = 0; ms < 200000 && !found; ++ms) {
    predicted = PredictSpin(m().Reels, desk_.MillisSinceMidnightUtc());
    found =
        CountVisible(predicted, kBonusSymbol) >= 3 && CountVisible(predicted, kScatterSymbol) < 3;
    if (!found) desk_.AdvanceClock(1);
  }
  ASSERT_TRUE(found);
  WinningLineFlags flags{};
  const std::int64_t lineWin = EvaluateLines(predicted, flags) * m().State.LineStake;
  const std::int64_t balance = m().State.Balance;

  PlayTheRestByDefault();
  ASSERT_EQ(Click(Ref(MainEl::StartButton)), testing::ClickResult::Handled);
  EXPECT_EQ(m().StartEnabled, 0);
  ASSERT_TRUE(desk_.RunUntil([&] { return desk_.Closings(WindowId::BonusResult) == 1; }, 600000));
  desk_.RunFor(1000);

  EXPECT_EQ(m().Reels, predicted);
  EXPECT_EQ(round().symbolCount, CountVisible(predicted, kBonusSymbol));
  EXPECT_EQ(desk_.modalDepth(), 0);
  EXPECT_GT(round().amount, 0);
  EXPECT_EQ(m().State.LastWin, lineWin + round().amount);
  EXPECT_EQ(m().State.Balance, balance - m().State.TotalStake + lineWin + round().amount);
  EXPECT_EQ(Saved(), m().State);
  EXPECT_EQ(m().StartEnabled, 1);
  EXPECT_EQ(desk_.PictureOf(Ref(MainEl::StartButton)), Picture::ButtonStart);
  EXPECT_EQ(desk_.Text(Ref(MainEl::CreditCounter)), std::to_string(m().State.Balance));
}

}  // namespace
}  // namespace tarvolenka
