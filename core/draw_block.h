#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/reels.h"

namespace tarvolenka {

// Positions within a block of draws, one bit each.
using DrawPositions = std::uint64_t;

// The coming draws of the game's generator, made ahead 64 at a time for the batch of reel
// advances: each draw's symbol and, for each symbol, the positions where it was drawn. The n-th
// draw is made straight from the block's start state with the generator jumped n steps, so the
// draws do not wait on one another.
class DrawBlock {
 public:
  static constexpr int kSize = 64;

  // The ways of making the draws, all to the same result: one at a time, the reference and the
  // form for processors without AVX2; 32 at a time with AVX2 vector instructions, about half the
  // time; and all 64 at once with AVX-512, whose compares give the position masks directly, half
  // the AVX2 time again; where AVX-512 VBMI and GFNI are there too, a byte permute and a bit
  // matrix transpose do the compares' work with no step per symbol, in half that time again.
  // (SSE2's 16 at a time came out slower than one at a time.)
  enum class Method { OneByOne, Avx2, Avx512, Avx512Vbmi };
  // The methods this processor runs, the fastest last.
  static std::vector<Method> Methods();

  // Makes the kSize draws that follow generator state `start`, by the fastest method.
  void Draw(std::uint32_t start);
  void DrawBy(Method method, std::uint32_t start);

  std::uint32_t start() const { return start_; }
  // The generator's state once the first `n` draws (0..kSize) of the block are taken.
  std::uint32_t StateAfter(int n) const;
  SymbolId symbol(int pos) const { return symbol_[static_cast<std::size_t>(pos)]; }
  DrawPositions Where(SymbolId s) const { return at_[s]; }
  // Where the symbols that may never stand on reel `reelIndex` (0..4) were drawn.
  DrawPositions NotAllowedOn(int reelIndex) const {
    return notAllowed_[static_cast<std::size_t>(reelIndex)];
  }

  // The complements of those sets, for the batch of reel advances, whose chain of choices takes
  // a reel's open draws as a plain AND of them (a complement taken on the chain would cost it a
  // step): where symbol `s` was not drawn, where the symbol of draw `pos` was not drawn (one
  // look-up where WhereNot(symbol(pos)) takes two), and where symbols allowed on reel
  // `reelIndex` were drawn.
  DrawPositions WhereNot(SymbolId s) const { return whereNot_[s]; }
  DrawPositions WhereNotSameAs(int pos) const {
    return whereNotSameAs_[static_cast<std::size_t>(pos)];
  }
  DrawPositions AllowedOn(int reelIndex) const {
    return allowedOn_[static_cast<std::size_t>(reelIndex)];
  }

 private:
  void DrawOneByOne(std::uint32_t start);
  void DrawAvx2(std::uint32_t start);
  void DrawAvx512(std::uint32_t start);
  void DrawAvx512Vbmi(std::uint32_t start);
  // Fills the position masks from `above[k]`, the draws whose symbol is above k + 1.
  void MarkPositions(const std::array<DrawPositions, 14>& above);
  void MarkNotAllowed();
  void MarkComplements();
  void MarkComplementsAvx512();

  // Left uninitialised: Draw writes them all.
  std::uint32_t start_;
  alignas(64) std::array<SymbolId, kSize> symbol_;
  std::array<DrawPositions, 16> at_;
  std::array<DrawPositions, kReels> notAllowed_;
  alignas(64) std::array<DrawPositions, 16> whereNot_;
  std::array<DrawPositions, kReels> allowedOn_;
  alignas(64) std::array<DrawPositions, kSize> whereNotSameAs_;
};

}  // namespace tarvolenka
