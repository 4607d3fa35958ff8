#include "exact/exact_lines.h"

namespace tarvolenka {
namespace {

using Marginal = std::array<double, 16>;

ReelModel MakeGameModel() {
  ReelModel model;
  for (int reel = 1; reel <= kReels; ++reel) {
    model.chains.emplace_back(reel);
    model.stationary.push_back(model.chains.back().Stationary());
  }
  return model;
}

// Sums pay × probability over every symbol of reels `reel`..5, given those of the reels before.
void Enumerate(const std::array<const Marginal*, kReels>& marginal, const PayTable& table,
               LineSymbols& symbols, std::size_t reel, double probability, LineExpectation& sum) {
  if (reel == kReels) {
    const std::int64_t pay = LinePay(symbols, table);
    if (pay == 0) return;
    const double value = probability * static_cast<double>(pay);
    sum.pay += value;
    if (RunOnLine(symbols).factor > 1) sum.multiplierPay += value;
    return;
  }
  for (std::size_t s = 1; s < 16; ++s) {
    const double p = (*marginal[reel])[s];
    if (p == 0) continue;
    symbols[reel] = static_cast<SymbolId>(s);
    Enumerate(marginal, table, symbols, reel + 1, probability * p, sum);
  }
}

}  // namespace

const ReelModel& ReelModel::Game() {
  static const ReelModel model = MakeGameModel();
  return model;
}

LineExpectation ExpectedLinePay(const ReelModel& model, const PayTable& table) {
  // The marginal of each reel's visible rows 1..3.
  std::array<std::array<Marginal, kRows>, kReels> marginal{};
  for (std::size_t c = 0; c < kReels; ++c)
    for (int row = 1; row < kRows; ++row)
      marginal[c][static_cast<std::size_t>(row)] =
          RowMarginal(model.chains[c], model.stationary[c], row);
  LineExpectation total;
  for (const Payline& line : kPaylineTable) {
    std::array<const Marginal*, kReels> onLine{};
    for (std::size_t c = 0; c < kReels; ++c) onLine[c] = &marginal[c][line.rows[c]];
    LineSymbols symbols{};
    Enumerate(onLine, table, symbols, 0, 1.0, total);
  }
  return total;
}

std::array<double, kReels + 1> VisibleCountDistribution(const ReelModel& model, SymbolId symbol) {
  std::array<double, kReels + 1> count{};
  count[0] = 1;
  for (std::size_t c = 0; c < kReels; ++c) {
    const double q = VisibleProbability(model.chains[c], model.stationary[c], symbol);
    for (std::size_t k = kReels; k > 0; --k) count[k] = count[k] * (1 - q) + count[k - 1] * q;
    count[0] *= 1 - q;
  }
  return count;
}

}  // namespace tarvolenka
