#include "exact/exact.h"

#include <cmath>

#include "catalogue/double_up_elements.h"
#include "core/free_spins.h"
#include "exact/exact_bonus.h"
#include "exact/exact_lines.h"

namespace tarvolenka {

ExactFigures ComputeExact(const ExactPlay& play, const PayTable& table) {
  ExactFigures x;
  const ReelModel& reels = ReelModel::Game();
  const LineExpectation line = ExpectedLinePay(reels, table);
  x.linePayPerSpin = line.pay;
  x.scatterCount = VisibleCountDistribution(reels, kScatterSymbol);
  x.bonusCount = VisibleCountDistribution(reels, kBonusSymbol);

  BonusCalculator games;
  x.chooserShare = games.ChooserShares();
  double bonusPerSpin = 0;  // per unit of stake per line
  std::array<double, kBonusGames> bonusOfGame{};
  for (int n = 0; n <= kReels; ++n) {
    const auto k = static_cast<std::size_t>(n);
    if (!games.Opens(n)) continue;
    x.bonusTrigger += x.bonusCount[k];
    x.bonusValue[0][k] = games.DrinksValue(n);
    x.bonusValue[1][k] = games.MezeValue(n);
    x.bonusValue[2][k] = games.GoldenValue();
    for (std::size_t g = 0; g < kBonusGames; ++g)
      bonusOfGame[g] += x.bonusCount[k] * x.chooserShare[g] * x.bonusValue[g][k];
  }
  for (std::size_t g = 0; g < kBonusGames; ++g) {
    x.bonusGameRate[g] = x.bonusTrigger * x.chooserShare[g];
    bonusPerSpin += bonusOfGame[g];
  }

  for (int k = 0; k <= kReels; ++k) {
    const double p = x.scatterCount[static_cast<std::size_t>(k)];
    x.freeSpinsAwarded += p * FreeSpinsFor(k);
    if (FreeSpinsFor(k) > 0) x.freeSpinTrigger += p;
  }
  // Each free spin plays like a paid one and may award more: F + F² + ... = F / (1 - F).
  const double f = x.freeSpinsAwarded;
  x.freeSpinsPerPaidSpin = f < 1 ? f / (1 - f) : INFINITY;

  const double lines = play.lines;
  x.lines = line.pay / lines;
  x.multiplierLines = line.multiplierPay / lines;
  for (std::size_t g = 0; g < kBonusGames; ++g) x.bonus[g] = bonusOfGame[g] / lines;
  x.freeSpins = (line.pay + bonusPerSpin) / lines * x.freeSpinsPerPaidSpin;
  x.total = x.lines + x.bonus[0] + x.bonus[1] + x.bonus[2] + x.freeSpins;

  // Each guess is right with probability one half; the player stops at the strategy's rung.
  if (play.doubleUpStopRung > 0) {
    const int rung = play.doubleUpStopRung;
    x.doubleUpReturnPerCredit =
        static_cast<double>(kDoubleLadder[static_cast<std::size_t>(rung - 1)].multiplier) /
        std::ldexp(1.0, rung);
  }
  return x;
}

std::vector<std::string> ExactAssumptions() {
  return {
      "Draws are ideal: each draw of the generator is uniform and independent of the others.",
      "Each reel's column of four cells is a Markov chain (weighted draw, reel exclusions, no "
      "repeat in the column) taken at its stationary distribution; from a stationary start it "
      "stays stationary whatever the number of advances (8, 12, 15, 18, 21).",
      "The five reels are independent: they share one generator, but each column's draws are "
      "its own, and the columns mix over their 8 or more advances a spin.",
      "Spins are exchangeable: a free spin, which follows the spin that awarded it, is taken to "
      "play like any other spin (free spins per paid spin F / (1 - F)).",
      "Random picks: the chooser's hat, the bottle, every cup click (any cup; an open cup counts "
      "again), the meze cell, the golden cover and each board cell are uniform.",
  };
}

}  // namespace tarvolenka
