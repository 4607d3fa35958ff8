#include "exact/reel_chain.h"

#include <cmath>
#include <stdexcept>

namespace tarvolenka {

std::size_t ReelChain::Key(const Column& c) {
  return ((static_cast<std::size_t>(c[0]) * 16 + c[1]) * 16 + c[2]) * 16 + c[3];
}

ReelChain::ReelChain(int reel) : reel_(reel), indexOfKey_(16 * 16 * 16 * 16, -1) {
  std::vector<SymbolId> allowed;
  for (int s = 1; s <= static_cast<int>(kSymbolWeights.size()); ++s)
    if (AllowedOnReel(static_cast<SymbolId>(s), reel)) allowed.push_back(static_cast<SymbolId>(s));
  // Every column of four different allowed symbols: the reel shows no other once it has run.
  for (SymbolId a : allowed)
    for (SymbolId b : allowed)
      for (SymbolId c : allowed)
        for (SymbolId d : allowed) {
          if (a == b || a == c || a == d || b == c || b == d || c == d) continue;
          indexOfKey_[Key({a, b, c, d})] = static_cast<std::int32_t>(states_.size());
          states_.push_back({a, b, c, d});
        }
  for (const Column& from : states_) {
    firstTransition_.push_back(static_cast<std::uint32_t>(transitions_.size()));
    double weight = 0;
    for (SymbolId s : allowed)
      if (s != from[0] && s != from[1] && s != from[2]) weight += kSymbolWeights[s - 1u];
    for (SymbolId s : allowed) {
      if (s == from[0] || s == from[1] || s == from[2]) continue;
      const Column to{s, from[0], from[1], from[2]};
      transitions_.push_back(
          {static_cast<std::uint32_t>(IndexOf(to)), kSymbolWeights[s - 1u] / weight});
    }
  }
  firstTransition_.push_back(static_cast<std::uint32_t>(transitions_.size()));
}

int ReelChain::IndexOf(const Column& column) const {
  for (SymbolId s : column)
    if (s > 15) return -1;
  return indexOfKey_[Key(column)];
}

std::span<const Transition> ReelChain::From(std::size_t i) const {
  return {transitions_.data() + firstTransition_[i], transitions_.data() + firstTransition_[i + 1]};
}

std::vector<double> ReelChain::Advance(const std::vector<double>& p) const {
  std::vector<double> next(states_.size(), 0.0);
  for (std::size_t i = 0; i < states_.size(); ++i)
    for (const Transition& t : From(i)) next[t.to] += p[i] * t.probability;
  return next;
}

std::vector<double> ReelChain::Stationary(double tolerance, int maxAdvances) const {
  std::vector<double> p(states_.size(), 1.0 / static_cast<double>(states_.size()));
  for (int k = 0; k < maxAdvances; ++k) {
    std::vector<double> next = Advance(p);
    double moved = 0;
    for (std::size_t i = 0; i < p.size(); ++i) moved += std::fabs(next[i] - p[i]);
    p = std::move(next);
    if (moved < tolerance) return p;
  }
  throw std::runtime_error("the reel's column did not settle");
}

double VisibleProbability(const ReelChain& chain, const std::vector<double>& distribution,
                          SymbolId symbol) {
  double p = 0;
  for (std::size_t i = 0; i < chain.size(); ++i) {
    const Column& c = chain.state(i);
    if (c[1] == symbol || c[2] == symbol || c[3] == symbol) p += distribution[i];
  }
  return p;
}

std::array<double, 16> RowMarginal(const ReelChain& chain, const std::vector<double>& distribution,
                                   int row) {
  std::array<double, 16> p{};
  for (std::size_t i = 0; i < chain.size(); ++i)
    p[chain.state(i)[static_cast<std::size_t>(row)]] += distribution[i];
  return p;
}

}  // namespace tarvolenka
