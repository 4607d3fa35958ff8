#include "exact/exact_bonus.h"

#include <gtest/gtest.h>

#include "game/game.h"
#include "tools/sim/headless_desktop.h"
#include "tools/sim/player.h"
#include "tools/sim/tally.h"

namespace tarvolenka::sim {
namespace {

// The game's bonus windows on a headless desktop, played by the simulator's random player:
// each window opened is played to its end before Open returns.
class PlayedBonus : public ::testing::Test {
 protected:
  PlayedBonus() {
    desktop_.SetPlayer(&player_);
    m().State = NewGameState(desktop_.NowLocal());
    m().State.SoundOn = 0;
    m().State.LineStake = 1;
  }
  Machine& m() { return game_.machine(); }
  const BonusRound& round() { return game_.bonus().round(); }

  // Plays `games` games with the windows shown by `play` and returns the mean result.
  template <class Play>
  Estimate Played(int games, Play play) {
    Moments result;
    for (int i = 0; i < games; ++i) result.Add(play());
    return result.Mean(games);
  }

  double PlayDrinks(int bonusSymbols) {
    game_.bonusRules().Restore(BonusStageId::Bottles, {.symbolCount = bonusSymbols});
    desktop_.Open(WindowId::Bottles, {});
    desktop_.Open(WindowId::Cups, {});
    return static_cast<double>(round().multiplier * round().amount);
  }
  double PlayMeze(int bonusSymbols) {
    game_.bonusRules().Restore(BonusStageId::Meze, {.symbolCount = bonusSymbols});
    desktop_.Open(WindowId::Meze, {});
    return static_cast<double>(round().amount);
  }
  double PlayGolden() {
    game_.bonusRules().Restore(BonusStageId::GoldenPick, {});
    desktop_.Open(WindowId::GoldenPick, {});
    desktop_.Open(WindowId::GoldenBoard, {});
    return static_cast<double>(round().amount);
  }

  Stream stream_{99};
  HeadlessDesktop desktop_{stream_};
  Game game_{desktop_, "/dev/null/Tarvolenka.cfg"};
  RandomPlayer player_{stream_, game_.doubleUp(), DoubleStrategy{}};
  BonusCalculator exact_;
};

TEST_F(PlayedBonus, DrinksValueAgreesWithBottlesAndCupsPlayedAtRandom) {
  for (int n : {3, 5}) {
    const double exact = exact_.DrinksValue(n);
    const Estimate played = Played(60000, [&] { return PlayDrinks(n); });
    EXPECT_TRUE(played.Contains(exact))
        << n << " symbols: exact " << exact << ", played " << played.value;
  }
  EXPECT_DOUBLE_EQ(exact_.DrinksValue(4), exact_.BottleMultiplier() * exact_.CupPrize(4));
}

TEST_F(PlayedBonus, MezeValueAgreesWithTheRowsPlayedAtRandom) {
  for (int n : {3, 4}) {
    const double exact = exact_.MezeValue(n);
    const Estimate played = Played(60000, [&] { return PlayMeze(n); });
    EXPECT_TRUE(played.Contains(exact))
        << n << " symbols: exact " << exact << ", played " << played.value;
  }
}

TEST_F(PlayedBonus, GoldenValueAgreesWithPickAndBoardPlayedAtRandom) {
  const double exact = exact_.GoldenValue();
  const Estimate played = Played(150000, [&] { return PlayGolden(); });
  EXPECT_TRUE(played.Contains(exact)) << "exact " << exact << ", played " << played.value;
}

TEST_F(PlayedBonus, ChooserSharesAgreeWithTheHatsPickedAtRandom) {
  const auto share = exact_.ChooserShares();
  EXPECT_NEAR(share[0] + share[1] + share[2], 1.0, 1e-12);
  constexpr int kPicks = 30000;
  std::array<std::int64_t, 3> picked{};
  for (int i = 0; i < kPicks; ++i) {
    game_.bonusRules().Restore(BonusStageId::Chooser, {});
    desktop_.Open(WindowId::HatChooser, {});
    ASSERT_GE(round().choice, 1);
    ++picked[static_cast<std::size_t>(round().choice - 1)];
  }
  for (std::size_t g = 0; g < 3; ++g)
    EXPECT_TRUE(Proportion(picked[g], kPicks).Contains(share[g])) << "game " << g + 1;
}

TEST_F(PlayedBonus, OnlyEnoughBonusSymbolsOpenAGame) {
  bool opened = false;
  for (int n = 0; n <= kReels; ++n) {
    const bool opens = exact_.Opens(n);
    EXPECT_TRUE(opens || !opened) << "more symbols must not open less";
    opened = opens;
  }
  EXPECT_FALSE(exact_.Opens(0));
  EXPECT_TRUE(exact_.Opens(kReels));
}

}  // namespace
}  // namespace tarvolenka::sim
