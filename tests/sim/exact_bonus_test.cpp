#include "exact/exact_bonus.h"

#include <gtest/gtest.h>

#include "tools/sim/rules_player.h"
#include "tools/sim/tally.h"

namespace tarvolenka::sim {
namespace {

// The games' rules played by the simulator's random player, each game dealt and played to its
// end in one call.
class PlayedBonus : public ::testing::Test {
 protected:
  // Plays `games` games with `play` and returns the mean result.
  template <class Play>
  Estimate Played(int games, Play play) {
    Moments result;
    for (int i = 0; i < games; ++i) result.Add(play());
    return result.Mean(games);
  }

  double PlayDrinks(int bonusSymbols) {
    const int multiplier = player_.PickBottle().multiplier;
    return static_cast<double>(multiplier * player_.PlayCups(bonusSymbols));
  }
  double PlayMeze(int bonusSymbols) { return static_cast<double>(player_.PlayMeze(bonusSymbols)); }
  double PlayGolden() {
    return static_cast<double>(player_.PlayGoldenBoard(player_.PickGoldenCover()));
  }

  Stream stream_{99};
  Random rng_;
  RulesPlayer player_{stream_, rng_, DoubleStrategy{}};
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
    const std::uint8_t game = player_.ChooseHat();
    ASSERT_GE(game, 1);
    ASSERT_LE(game, 3);
    ++picked[static_cast<std::size_t>(game - 1)];
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
