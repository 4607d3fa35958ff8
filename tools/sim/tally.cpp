#include "tools/sim/tally.h"

#include <algorithm>
#include <cmath>

namespace tarvolenka::sim {

Estimate Moments::Mean(std::int64_t n) const {
  if (n == 0) return {};
  const double mean = static_cast<double>(sum / n);
  const double half = kZ99 * std::sqrt(Variance(n) / static_cast<double>(n));
  return {mean, mean - half, mean + half};
}

double Moments::Variance(std::int64_t n) const {
  if (n < 2) return 0;
  const double mean = sum / n;
  return std::max(0.0, static_cast<double>((squares - mean * sum) / (n - 1)));
}

// The Wilson score interval: unlike p ± z·sqrt(p(1-p)/n) it does not shrink to a point when
// a rare event has not been seen yet, or has been seen every time.
Estimate Proportion(std::int64_t count, std::int64_t n) {
  if (n == 0) return {};
  const double trials = static_cast<double>(n);
  const double p = static_cast<double>(count) / trials;
  const double z2 = kZ99 * kZ99;
  const double scale = 1 + z2 / trials;
  const double centre = (p + z2 / (2 * trials)) / scale;
  const double half = kZ99 / scale * std::sqrt(p * (1 - p) / trials + z2 / (4 * trials * trials));
  return {p, std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

std::size_t WinBin(double multiple) {
  if (multiple <= 0) return 0;
  for (std::size_t k = 1; k < kWinBins; ++k)
    if (multiple <= kWinBinEdges[k]) return k;
  return kWinBins - 1;
}

void Tally::AddSpin(const SpinResult& spin) {
  ++spins;
  if (spin.lineWin > 0) ++lineHits;
  ++scatterCount[static_cast<std::size_t>(std::clamp(spin.scatters, 0, kReels))];
  ++bonusCount[static_cast<std::size_t>(std::clamp(spin.bonusSymbols, 0, kReels))];
  if (spin.freeSpinsAwarded > 0) ++freeSpinTriggers;
  if (spin.bonusGame > 0) {
    ++bonusTriggers;
    ++bonusGames[static_cast<std::size_t>(spin.bonusGame - 1)];
  }
}

void Tally::AddPaidSpin(const PaidSpinResult& paid, std::int64_t stake) {
  const auto units = [stake](std::int64_t credits) {
    return static_cast<double>(credits) / static_cast<double>(stake);
  };
  // Most paid spins win nothing from most sources. A zero added changes no sum (none of them is
  // ever -0), so it is left out, and its division with it.
  const auto add = [&units](Moments& moments, std::int64_t credits) {
    if (credits != 0) moments.Add(units(credits));
  };
  ++paidSpins;
  add(lines, paid.lines);
  add(multiplierLines, paid.multiplierLines);
  add(freeSpins, paid.freeSpins);
  add(doubleUp, paid.doubleUp);
  for (std::size_t g = 0; g < kBonusGames; ++g) add(bonus[g], paid.bonus[g]);
  const std::int64_t won = paid.total();
  const double x = won != 0 ? units(won) : 0.0;
  if (won != 0) {
    total.Add(x);
    totalCubes += x * x * x;
    totalFourths += x * x * x * x;
  }
  if (won != 0 || paid.doubleUp != 0) totalWithoutDoubleUp.Add(x - units(paid.doubleUp));
  if (paid.freeSpinsPlayed != 0) freeSpinsPerPaidSpin.Add(paid.freeSpinsPlayed);
  if (won > 0) ++paidSpinsWon;
  largestWin = std::max(largestWin, won);
  ++winHistogram[WinBin(static_cast<double>(x))];
  freeSpinsPlayed += paid.freeSpinsPlayed;
  if (paid.gambled > 0) {
    ++gambles;
    doubleUpReturn.Add(static_cast<double>(paid.gambled + paid.doubleUp) /
                       static_cast<double>(paid.gambled));
  }
}

void Tally::Merge(const Tally& o) {
  paidSpins += o.paidSpins;
  lines.Merge(o.lines);
  multiplierLines.Merge(o.multiplierLines);
  freeSpins.Merge(o.freeSpins);
  doubleUp.Merge(o.doubleUp);
  total.Merge(o.total);
  totalWithoutDoubleUp.Merge(o.totalWithoutDoubleUp);
  freeSpinsPerPaidSpin.Merge(o.freeSpinsPerPaidSpin);
  for (std::size_t g = 0; g < kBonusGames; ++g) bonus[g].Merge(o.bonus[g]);
  totalCubes += o.totalCubes;
  totalFourths += o.totalFourths;
  paidSpinsWon += o.paidSpinsWon;
  largestWin = std::max(largestWin, o.largestWin);
  for (std::size_t k = 0; k < kWinBins; ++k) winHistogram[k] += o.winHistogram[k];
  spins += o.spins;
  lineHits += o.lineHits;
  freeSpinsPlayed += o.freeSpinsPlayed;
  freeSpinTriggers += o.freeSpinTriggers;
  bonusTriggers += o.bonusTriggers;
  for (std::size_t k = 0; k <= kReels; ++k) {
    scatterCount[k] += o.scatterCount[k];
    bonusCount[k] += o.bonusCount[k];
  }
  for (std::size_t g = 0; g < kBonusGames; ++g) bonusGames[g] += o.bonusGames[g];
  gambles += o.gambles;
  doubleUpReturn.Merge(o.doubleUpReturn);
}

Estimate Tally::Volatility() const {
  const std::int64_t n = paidSpins;
  if (n < 2) return {};
  const double m1 = total.sum / n, m2 = total.squares / n, m3 = totalCubes / n,
               m4 = totalFourths / n;
  const double variance = m2 - m1 * m1;
  const double mu4 = m4 - 4 * m1 * m3 + 6 * m1 * m1 * m2 - 3 * m1 * m1 * m1 * m1;
  const double sigma = std::sqrt(static_cast<double>(std::max<double>(variance, 0)));
  if (sigma == 0) return {};
  // Var(s²) ≈ (μ4 − σ⁴) / n, and s = √(s²) moves by half its relative change.
  const double varianceOfS2 = std::max(0.0, static_cast<double>((mu4 - variance * variance) / n));
  const double half = kZ99 * std::sqrt(varianceOfS2) / (2 * sigma);
  return {sigma, std::max(0.0, sigma - half), sigma + half};
}

}  // namespace tarvolenka::sim
