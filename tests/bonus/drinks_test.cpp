// The drinks bonus: the bottles that set the multiplier and the drink, and the cups.

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "tests/bonus/bonus_fixture.h"

namespace tarvolenka {
namespace {

using testing::BonusTest;
using testing::Replay;

class BottlesTest : public BonusTest {
 protected:
  void Open(std::uint32_t seed) {
    m().Rng.Seed(seed);
    desk_.RunModal(WindowId::Bottles);
    ASSERT_TRUE(AllMovesMade());
  }
  void PickAt(int bottle, std::int64_t* at) {
    When(WindowId::Bottles, [this, bottle, at] {
      *at = desk_.now();
      Click(Ref(Bottle(bottle)));
    });
  }
};

TEST_F(BottlesTest, DealsAPermutationByTheDrawRuleAndThePickSetsMultiplierAndDrink) {
  for (std::uint32_t trial = 0; trial < 20; ++trial) {
    const std::uint32_t seed = trial * 104729u + 7u;
    const int bottle = static_cast<int>(trial % 5) + 1;
    When(WindowId::Bottles, [&] {
      for (int i = 1; i <= kBottles; ++i) {
        EXPECT_FALSE(desk_.Visible(Ref(BottleLabel(i))));
        EXPECT_EQ(desk_.Text(Ref(BottleLabel(i))), "");
        EXPECT_EQ(desk_.State(Ref(BottleLabel(i))).fontSize, 15);
      }
      Click(Ref(Bottle(bottle)));
    });
    const auto cues = desk_.cues().size();
    Open(seed);

    std::array<std::uint8_t, kBottles> expected{};
    Random r = Replay(seed);
    for (auto& v : expected) {
      std::uint8_t d = 0;
      do d = static_cast<std::uint8_t>(r.Below(5) + 1);
      while (std::find(expected.begin(), expected.end(), d) != expected.end());
      v = d;
    }
    const auto& values = game().bottles().bottleValues();
    EXPECT_EQ(values, expected) << "seed " << seed;

    EXPECT_EQ(round().multiplier, values[static_cast<std::size_t>(bottle - 1)]);
    EXPECT_EQ(round().bottleChoice, bottle);
    std::set<std::string> shown;
    for (int i = 1; i <= kBottles; ++i) {
      const ElementRef label = Ref(BottleLabel(i));
      EXPECT_TRUE(desk_.Visible(label));
      EXPECT_EQ(desk_.Text(label), "×" + std::to_string(values[static_cast<std::size_t>(i - 1)]));
      EXPECT_EQ(desk_.State(label).fontSize, i == bottle ? 24 : 15);
      shown.insert(desk_.Text(label));
    }
    EXPECT_EQ(shown, (std::set<std::string>{"×1", "×2", "×3", "×4", "×5"}));
    EXPECT_FALSE(desk_.Visible(Ref(BottlesEl::Banner))) << "the prompt outlives the pick";
    EXPECT_EQ(desk_.Text(Ref(BottlesEl::Status)),
              "Вашият множител: " + desk_.Text(Ref(BottleLabel(bottle))) + " · следват чашите…");
    ASSERT_EQ(desk_.cues().size(), cues + 1);
    EXPECT_EQ(desk_.cues().back().cue, Cue::Hit);
  }
}

TEST_F(BottlesTest, PickingBottleFiveRevealsTheOthersASecondApartAndClosesSevenSecondsLater) {
  std::int64_t at = 0;
  PickAt(5, &at);
  Open(42);
  EXPECT_EQ(*desk_.ShownAt(Ref(BottleLabel(5))), at);
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(*desk_.ShownAt(Ref(BottleLabel(j))) - at, 1000 * j) << j;
  EXPECT_EQ(*desk_.ClosedAt(WindowId::Bottles) - *desk_.ShownAt(Ref(BottleLabel(4))), 7000);
}

TEST_F(BottlesTest, PickingAnotherBottleRevealsBottleFiveLastAndClosesSixSecondsLater) {
  for (int bottle = 1; bottle <= 4; ++bottle) {
    std::int64_t at = 0;
    PickAt(bottle, &at);
    Open(static_cast<std::uint32_t>(bottle) * 31u);
    int step = 0;
    for (int j = 1; j <= kBottles; ++j) {
      const std::int64_t shown = *desk_.ShownAt(Ref(BottleLabel(j))) - at;
      EXPECT_EQ(shown, j == bottle ? 0 : 1000 * ++step) << "bottle " << bottle << " label " << j;
    }
    EXPECT_EQ(*desk_.ClosedAt(WindowId::Bottles) - *desk_.ShownAt(Ref(BottleLabel(5))), 6000);
  }
}

TEST_F(BottlesTest, ClicksAfterThePickDoNothing) {
  std::int64_t at = 0;
  PickAt(2, &at);
  Open(11);
  const int multiplier = round().multiplier;
  const auto cues = desk_.cues().size();
  game().bottles().PickBottle(2);
  game().bottles().PickBottle(4);
  EXPECT_EQ(round().multiplier, multiplier);
  EXPECT_EQ(round().bottleChoice, 2);
  EXPECT_EQ(desk_.cues().size(), cues);
  EXPECT_EQ(desk_.State(Ref(BottleLabel(4))).fontSize, 15);
  EXPECT_TRUE(game().bottles().CloseRequested());
}

class CupsTest : public BonusTest {
 protected:
  void Open(int symbols, std::uint32_t seed, int bottle = 1, int multiplier = 1) {
    SetRound({.symbolCount = symbols, .multiplier = multiplier, .bottleChoice = bottle});
    m().Rng.Seed(seed);
    desk_.RunModal(WindowId::Cups);
    ASSERT_TRUE(AllMovesMade());
  }
  std::int64_t Prize(int cup) {
    return game().cups().cupPrizes()[static_cast<std::size_t>(cup - 1)];
  }
  std::vector<int> CupsWith(std::int64_t prize) {
    std::vector<int> cups;
    for (int i = 1; i <= kCups; ++i)
      if (Prize(i) == prize) cups.push_back(i);
    return cups;
  }
};

TEST_F(CupsTest, WithThreeSymbolsTheCupsHideFiveLevelsThreeTimesEachByTheDrawRule) {
  for (std::uint32_t seed : {2u, 1000u, 65535u, 3000000000u}) {
    When(WindowId::Cups, [this] {
      for (int i = 1; i <= kCups; ++i) {
        EXPECT_FALSE(desk_.Visible(Ref(CupLabel(i))));
        EXPECT_EQ(desk_.State(Ref(CupLabel(i))).fontSize, 10);
      }
      for (int i = 1; i <= kCups; ++i) Click(Ref(Cup(i)));
    });
    Open(3, seed);
    std::array<std::int64_t, kCups> expected{};
    Random r = Replay(seed);
    for (std::int64_t prize : {15, 15, 15, 30, 30, 30, 60, 60, 60, 150, 150, 150, 450, 450, 450}) {
      std::uint32_t c = 0;
      do c = r.Below(15);
      while (expected[c] != 0);
      expected[c] = prize;
    }
    EXPECT_EQ(game().cups().cupPrizes(), expected) << "seed " << seed;
    // Once revealed, the labels show every prize three times.
    std::map<std::string, int> shown;
    for (int i = 1; i <= kCups; ++i) {
      EXPECT_TRUE(desk_.Visible(Ref(CupLabel(i))));
      ++shown[desk_.Text(Ref(CupLabel(i)))];
    }
    EXPECT_EQ(shown, (std::map<std::string, int>{
                         {"15", 3}, {"30", 3}, {"60", 3}, {"150", 3}, {"450", 3}}));
    // Eleven different cups always complete a level.
    EXPECT_LE(CueCount(Cue::Hit), 11);
    desk_.ClearCues();
  }
}

TEST_F(CupsTest, ShowsTheDrinkAndTheMultiplierOfThePickedBottle) {
  const Picture cups[] = {Picture::CupVodka, Picture::CupBrandy, Picture::CupRakia,
                          Picture::CupWine, Picture::CupBeer};
  const Picture bottles[] = {Picture::BottleVodka, Picture::BottleBrandy, Picture::BottleRakia,
                             Picture::BottleWine, Picture::BottleBeer};
  for (int bottle : {4, 2, 5, 1, 3}) {
    When(WindowId::Cups, [&, bottle] {
      for (int i = 1; i <= kCups; ++i) EXPECT_EQ(desk_.PictureOf(Ref(Cup(i))), cups[bottle - 1]);
      EXPECT_EQ(desk_.PictureOf(Ref(CupsEl::PickedBottle)), bottles[bottle - 1]);
      EXPECT_EQ(desk_.Text(Ref(CupsEl::Multiplier)), "×" + std::to_string(6 - bottle));
      desk_.Close(WindowId::Cups);
    });
    Open(3, 5, bottle, 6 - bottle);
  }
}

TEST_F(CupsTest, TheThirdCupOfALevelEndsTheGameAtOnce) {
  std::int64_t at = 0;
  std::vector<int> opened;
  When(WindowId::Cups, [&] {
    const auto fifteens = CupsWith(15), thirties = CupsWith(30), sixties = CupsWith(60);
    opened = {fifteens[0], thirties[0], fifteens[1], thirties[1], sixties[0]};
    for (int cup : opened) Click(Ref(Cup(cup)));
    EXPECT_TRUE(desk_.IsShown(WindowId::Cups));
    EXPECT_EQ(round().amount, 0);
    at = desk_.now();
    opened.push_back(thirties[2]);
    Click(Ref(Cup(thirties[2])));
  });
  Open(3, 8);
  EXPECT_EQ(round().amount, 30);
  EXPECT_EQ(game().cups().prizeHits(), (std::array<std::uint8_t, 5>{2, 3, 1, 0, 0}));
  // The tally, highest level first, shows the cups found of each, at three bonus symbols.
  const std::array<const char*, 5> tally{"○ ○ ○", "○ ○ ○", "● ○ ○", "● ● ●", "● ● ○"};
  for (int row = 1; row <= 5; ++row) {
    EXPECT_EQ(desk_.Text(Ref(TallyPrize(row))), std::to_string(3 * kCupLevels[5 - row]));
    EXPECT_EQ(desk_.Text(Ref(TallyHits(row))), tally[static_cast<std::size_t>(row - 1)]);
  }
  // The closed cups show their prizes in the small font, 300 ms apart in cup order.
  int revealed = 0;
  for (int i = 1; i <= kCups; ++i) {
    const ElementRef label = Ref(CupLabel(i));
    const bool open = std::find(opened.begin(), opened.end(), i) != opened.end();
    EXPECT_EQ(desk_.State(label).fontSize, open ? 20 : 10) << i;
    // Opened cups are drunk; the three that won wear green tags.
    EXPECT_EQ(desk_.PictureOf(Ref(Cup(i))), open ? Picture::CupVodkaEmpty : Picture::CupVodka) << i;
    EXPECT_EQ(desk_.State(label).colour,
              open && Prize(i) == 30 ? cups_window::kPrizeWon : cups_window::kPrize.background)
        << i;
    EXPECT_EQ(desk_.Text(label), std::to_string(Prize(i)));
    if (!open) {
      EXPECT_EQ(*desk_.ShownAt(label) - at, 300 * ++revealed) << i;
    }
  }
  // No pause after the fifteenth cup; the window closes 6 s after the last pause.
  const bool lastClosed = std::find(opened.begin(), opened.end(), kCups) == opened.end();
  EXPECT_EQ(*desk_.ClosedAt(WindowId::Cups) - at,
            300 + 300 * (revealed - (lastClosed ? 1 : 0)) + 6000);
}

TEST_F(CupsTest, OneCupClickedThreeTimesCompletesItsLevel) {
  When(WindowId::Cups, [&] {
    for (int n = 0; n < 3; ++n) Click(Ref(Cup(9)));
  });
  m().State.LineStake = 20;
  Open(4, 123, 1, 3);
  EXPECT_EQ(round().amount, Prize(9));
  // The status tells the credits the level brings: times the bottle's 3 and the line stake.
  const std::int64_t credits = Prize(9) * 3 * 20;
  EXPECT_EQ(desk_.Text(Ref(CupsEl::Status)), "Три чаши по " + std::to_string(Prize(9)) +
                                                 " — печелите " + std::to_string(credits) + "!");
  EXPECT_EQ(CueCount(Cue::Hit), 3);
  EXPECT_EQ(desk_.Closings(WindowId::Cups), 1);
}

TEST_F(CupsTest, ClicksAfterTheEndDoNothing) {
  When(WindowId::Cups, [&] {
    for (int cup : CupsWith(450)) Click(Ref(Cup(cup)));
  });
  Open(3, 64);
  EXPECT_EQ(round().amount, 450);
  const auto hits = game().cups().prizeHits();
  const auto cues = desk_.cues().size();
  for (int i = 1; i <= kCups; ++i) game().cups().PickCup(i);
  EXPECT_EQ(round().amount, 450);
  EXPECT_EQ(game().cups().prizeHits(), hits);
  EXPECT_EQ(desk_.cues().size(), cues);
}

}  // namespace
}  // namespace tarvolenka
