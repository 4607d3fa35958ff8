#pragma once

// The running sums of a simulation: per paid spin the return by source, in units of the paid
// spin's stake, and per spin (paid or free) the counts of triggers. Threads keep their own and
// merge them in a fixed order, so a run's figures depend only on its seed and threads.

#include <array>
#include <cstdint>

#include "tools/sim/session.h"

namespace tarvolenka::sim {

// The normal quantile of a two-sided 99 % interval.
inline constexpr double kZ99 = 2.5758293035489004;

struct Estimate {
  double value = 0;
  double low = 0;
  double high = 0;
  bool Contains(double x) const { return low <= x && x <= high; }
};

struct Moments {
  double sum = 0;
  double squares = 0;
  void Add(double x) {
    sum += x;
    squares += x * x;
  }
  void Merge(const Moments& o) {
    sum += o.sum;
    squares += o.squares;
  }
  // The mean of n values with its 99 % interval.
  Estimate Mean(std::int64_t n) const;
  double Variance(std::int64_t n) const;
};

// A proportion of n with its 99 % (Wilson score) interval.
Estimate Proportion(std::int64_t count, std::int64_t n);

// The bins of the distribution of a paid spin's win, as multiples of its stake: bin 0 holds no
// win, bin k > 0 wins above kWinBinEdges[k - 1] up to kWinBinEdges[k], the last all above.
inline constexpr std::array<double, 15> kWinBinEdges{0,   0.5, 1,   2,    5,    10,   20,   50,
                                                     100, 200, 500, 1000, 2000, 5000, 1e300};
inline constexpr std::size_t kWinBins = kWinBinEdges.size();
std::size_t WinBin(double multiple);

struct Tally {
  // Per paid spin, in units of its stake.
  std::int64_t paidSpins = 0;
  Moments lines, multiplierLines, freeSpins, doubleUp, total;
  Moments totalWithoutDoubleUp;
  Moments freeSpinsPerPaidSpin;  // free spins played, per paid spin
  std::array<Moments, kBonusGames> bonus;
  double totalCubes = 0;
  double totalFourths = 0;
  std::int64_t paidSpinsWon = 0;
  std::int64_t largestWin = 0;  // credits
  std::array<std::int64_t, kWinBins> winHistogram{};

  // Per spin, paid or free.
  std::int64_t spins = 0;
  std::int64_t lineHits = 0;
  std::int64_t freeSpinsPlayed = 0;
  std::int64_t freeSpinTriggers = 0;
  std::int64_t bonusTriggers = 0;
  std::array<std::int64_t, kReels + 1> scatterCount{};
  std::array<std::int64_t, kReels + 1> bonusCount{};
  std::array<std::int64_t, kBonusGames> bonusGames{};

  // The double-up, per gamble.
  std::int64_t gambles = 0;
  Moments doubleUpReturn;  // per gamble: the amount in hand when it closed, per credit gambled

  void AddSpin(const SpinResult& spin);
  void AddPaidSpin(const PaidSpinResult& paid, std::int64_t stake);
  void Merge(const Tally& other);

  // The standard deviation of a paid spin's return (units of its stake), with its 99 %
  // interval from the fourth moment.
  Estimate Volatility() const;
};

}  // namespace tarvolenka::sim
