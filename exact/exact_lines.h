#pragma once

// Exact figures of the reels: the five columns at their stationary distributions, taken as
// independent of each other, and what the paylines and the scatter and bonus symbols give
// under them.

#include <array>
#include <vector>

#include "core/paylines.h"
#include "exact/reel_chain.h"

namespace tarvolenka {

struct ReelModel {
  std::vector<ReelChain> chains;                // reels 1..5
  std::vector<std::vector<double>> stationary;  // each chain's stationary distribution

  // The game's reels, worked out once.
  static const ReelModel& Game();
};

// The expected pay of a spin over all fifty lines, per unit of stake per line, and the part of
// it from lines whose run holds a multiplier.
struct LineExpectation {
  double pay = 0;
  double multiplierPay = 0;
};

LineExpectation ExpectedLinePay(const ReelModel& model, const PayTable& table = kPayTable);

// The distribution of how many visible cells (at most one per reel) show `symbol`: index k is
// the probability of exactly k.
std::array<double, kReels + 1> VisibleCountDistribution(const ReelModel& model, SymbolId symbol);

}  // namespace tarvolenka
