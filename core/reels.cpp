#include "reels.h"

#include <bit>

namespace tarvolenka {
namespace {

constexpr std::array<std::uint8_t, kSymbolWeightTotal> MakeDrawTable() {
  std::array<std::uint8_t, kSymbolWeightTotal> table{};
  std::size_t u = 0;
  for (std::size_t s = 0; s < kSymbolWeights.size(); ++s)
    for (int k = 0; k < kSymbolWeights[s]; ++k) table[u++] = static_cast<std::uint8_t>(s + 1);
  return table;
}

constexpr auto kDrawTable = MakeDrawTable();
static_assert(kDrawTable[0] == 1 && kDrawTable[9] == 1 && kDrawTable[10] == 2);
static_assert(kDrawTable[60] == 10 && kDrawTable[62] == 11 && kDrawTable[72] == 15);

}  // namespace

SymbolId DrawSymbol(Random& random) { return kDrawTable[random.Below(kSymbolWeightTotal)]; }

void AdvanceReels(ReelWindow& w, const ReelFlags& spinning, Random& random) {
  for (int c = 1; c <= kReels; ++c) {
    if (spinning[static_cast<std::size_t>(c - 1)] != 1) continue;
    w.at(3, c) = w.at(2, c);
    w.at(2, c) = w.at(1, c);
    w.at(1, c) = w.at(0, c);
    SymbolId s = 0;
    do {
      s = DrawSymbol(random);
    } while (s == w.at(1, c) || s == w.at(2, c) || s == w.at(3, c) || !AllowedOnReel(s, c));
    w.at(0, c) = s;
  }
}

int CountVisible(const ReelWindow& w, SymbolId s) {
  int n = 0;
  for (int r = 1; r < kRows; ++r)
    for (int c = 1; c <= kReels; ++c) n += w.at(r, c) == s ? 1 : 0;
  return n;
}

// The batch form of AdvanceReels. The plain form waits on every draw before it can test it, and
// a refused draw costs a mispredicted branch; over a whole spin that is most of the time. Here
// the coming draws are made ahead, 64 at a time, with the generator jumped to each draw's state,
// and for each symbol the positions where it was drawn are kept as one bit each. The draw that
// AdvanceReels would accept for a reel is then the lowest position not marked by one of its
// refused symbols: a few masks and a bit scan.
namespace {

constexpr int kBlock = 64;  // draws made ahead: one bit each in a 64-bit position mask
constexpr int kLanes = 4;   // independent generator jumps, so the block's draws overlap

// n steps of the generator are an affine map of its state, found by stepping the generator.
struct Jump {
  std::uint32_t mul;
  std::uint32_t add;
  constexpr std::uint32_t operator()(std::uint32_t state) const { return mul * state + add; }
};

constexpr std::uint32_t StateAfter(std::uint32_t seed, int steps) {
  Random r;
  r.Seed(seed);
  for (int i = 0; i < steps; ++i) r.Below(1);
  return r.seed();
}

constexpr Jump JumpOf(int steps) {
  const std::uint32_t add = StateAfter(0, steps);
  return {StateAfter(1, steps) - add, add};
}

constexpr auto MakeJumps() {
  std::array<Jump, kBlock + 1> jumps{};
  for (int n = 0; n <= kBlock; ++n) jumps[static_cast<std::size_t>(n)] = JumpOf(n);
  return jumps;
}

constexpr auto kJumps = MakeJumps();  // kJumps[n]: n draws on
constexpr Jump kLaneJump = JumpOf(kLanes);

// The symbols refused on each reel whatever its column holds.
struct NotAllowed {
  std::array<std::array<SymbolId, 15>, kReels> symbols{};
  std::array<int, kReels> count{};
};

constexpr NotAllowed MakeNotAllowed() {
  NotAllowed n;
  for (int reel = 1; reel <= kReels; ++reel) {
    const auto c = static_cast<std::size_t>(reel - 1);
    for (int s = 1; s <= 15; ++s)
      if (!AllowedOnReel(static_cast<SymbolId>(s), reel))
        n.symbols[c][static_cast<std::size_t>(n.count[c]++)] = static_cast<SymbolId>(s);
  }
  return n;
}

constexpr NotAllowed kNotAllowed = MakeNotAllowed();

using Positions = std::uint64_t;

// The next kBlock draws of the generator from a given state.
class DrawBlock {
 public:
  // Makes the draws that follow generator state `start`.
  void Draw(std::uint32_t start) {
    start_ = start;
    // Lane k holds the state after draw j + k, the state its draw is scaled from.
    std::array<std::uint32_t, kLanes> lane{};
    for (std::size_t k = 0; k < kLanes; ++k) lane[k] = kJumps[k + 1](start);
    for (std::size_t j = 0; j < kBlock; j += kLanes) {
      for (std::size_t k = 0; k < kLanes; ++k) {
        symbol_[j + k] = kDrawTable[Random::Scaled(lane[k], kSymbolWeightTotal)];
        lane[k] = kLaneJump(lane[k]);
      }
    }
    std::array<Positions, 16> at{};
    for (std::size_t j = 0; j < kBlock; ++j) at[symbol_[j]] |= Positions{1} << j;
    at_ = at;
    for (std::size_t c = 0; c < kReels; ++c) {
      Positions refused = 0;
      for (int i = 0; i < kNotAllowed.count[c]; ++i)
        refused |= at[kNotAllowed.symbols[c][static_cast<std::size_t>(i)]];
      notAllowed_[c] = refused;
    }
  }
  // The generator's state once the first `n` draws of the block are taken.
  std::uint32_t StateAfter(int n) const { return kJumps[static_cast<std::size_t>(n)](start_); }
  SymbolId symbol(int pos) const { return symbol_[static_cast<std::size_t>(pos)]; }
  Positions Where(SymbolId s) const { return at_[s]; }
  Positions NotAllowedOn(std::size_t reelIndex) const { return notAllowed_[reelIndex]; }

 private:
  // Left uninitialised: Draw writes them all.
  std::uint32_t start_;
  std::array<SymbolId, kBlock> symbol_;
  std::array<Positions, 16> at_;
  std::array<Positions, kReels> notAllowed_;
};

// One reel's column, rows 0..3, and where the block drew its three top symbols.
struct Column {
  std::array<SymbolId, kRows> cells;
  std::array<Positions, 3> drawnAt;
};

void Locate(Column& column, const DrawBlock& block) {
  for (std::size_t r = 0; r < 3; ++r) column.drawnAt[r] = block.Where(column.cells[r]);
}

}  // namespace

void AdvanceReels(ReelWindow& w, std::span<const ReelFlags> advances, Random& random) {
  DrawBlock block;
  block.Draw(random.seed());
  std::array<Column, kReels> columns{};
  for (int reel = 1; reel <= kReels; ++reel) {
    Column& column = columns[static_cast<std::size_t>(reel - 1)];
    for (int row = 0; row < kRows; ++row)
      column.cells[static_cast<std::size_t>(row)] = w.at(row, reel);
    Locate(column, block);
  }
  int pos = 0;  // the next draw of the block
  for (const ReelFlags& turning : advances) {
#pragma GCC unroll 5
    for (std::size_t c = 0; c < kReels; ++c) {
      if (turning[c] != 1) continue;
      Column& column = columns[c];
      for (;;) {
        // Refused: the symbols of rows 0..2, which the shift moves to rows 1..3.
        const Positions refused =
            block.NotAllowedOn(c) | column.drawnAt[0] | column.drawnAt[1] | column.drawnAt[2];
        const Positions open = pos < kBlock ? ~refused >> pos : 0;
        if (open != 0) {
          pos += std::countr_zero(open);
          break;
        }
        block.Draw(block.StateAfter(kBlock));
        pos = 0;
        for (Column& other : columns) Locate(other, block);
      }
      column.cells[3] = column.cells[2];
      column.cells[2] = column.cells[1];
      column.cells[1] = column.cells[0];
      column.cells[0] = block.symbol(pos);
      ++pos;
      column.drawnAt[2] = column.drawnAt[1];
      column.drawnAt[1] = column.drawnAt[0];
      column.drawnAt[0] = block.Where(column.cells[0]);
    }
  }
  for (int reel = 1; reel <= kReels; ++reel)
    for (int row = 0; row < kRows; ++row)
      w.at(row, reel) =
          columns[static_cast<std::size_t>(reel - 1)].cells[static_cast<std::size_t>(row)];
  random.Seed(block.StateAfter(pos));
}

}  // namespace tarvolenka
