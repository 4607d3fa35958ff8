#pragma once

// One reel's column of four cells as a Markov chain. An advance shifts the column down and
// draws the new top symbol with the weights of the symbol table, restricted to the symbols the
// reel allows that differ from the three cells below it; so the column's next state depends on
// its present state only. Built from the game's weights and reel exclusions.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/reels.h"

namespace tarvolenka {

// Rows 0..3 of a column, row 0 the hidden top.
using Column = std::array<SymbolId, kRows>;

struct Transition {
  std::uint32_t to;
  double probability;
};

class ReelChain {
 public:
  explicit ReelChain(int reel);

  int reel() const { return reel_; }
  std::size_t size() const { return states_.size(); }
  const Column& state(std::size_t i) const { return states_[i]; }
  // The index of a column, or -1 when the reel can never show it.
  int IndexOf(const Column& column) const;
  std::span<const Transition> From(std::size_t i) const;

  // One advance of a distribution over the states: p · P.
  std::vector<double> Advance(const std::vector<double>& p) const;
  // The distribution that an advance leaves unchanged, by iterating from the uniform one
  // until an advance moves it by less than `tolerance` in total.
  std::vector<double> Stationary(double tolerance = 1e-15, int maxAdvances = 100000) const;

 private:
  static std::size_t Key(const Column& c);

  int reel_;
  std::vector<Column> states_;
  std::vector<std::int32_t> indexOfKey_;  // 16^4 keys
  std::vector<std::uint32_t> firstTransition_;
  std::vector<Transition> transitions_;
};

// The probability that a column drawn from `distribution` shows `symbol` on one of the visible
// rows 1..3, and that it holds `symbol` on row `row`.
double VisibleProbability(const ReelChain& chain, const std::vector<double>& distribution,
                          SymbolId symbol);
std::array<double, 16> RowMarginal(const ReelChain& chain, const std::vector<double>& distribution,
                                   int row);

}  // namespace tarvolenka
