#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/random.h"

namespace tarvolenka {

// 1..15 are the reel symbols; 0 means no symbol and exists only before the first fill.
using SymbolId = std::uint8_t;

inline constexpr SymbolId kBonusSymbol = 11;
inline constexpr SymbolId kScatterSymbol = 12;
inline constexpr int kReels = 5;
inline constexpr int kRows = 4;  // row 0 is hidden above the three visible rows

// The draw: a uniform 0..72 mapped onto the symbols by these cumulative weights.
inline constexpr int kSymbolWeightTotal = 73;
inline constexpr std::array<int, 15> kSymbolWeights{10, 9, 9, 8, 7, 6, 5, 4, 2, 2, 3, 2, 2, 2, 2};

// The symbol each draw index 0..72 stands for.
constexpr std::array<SymbolId, kSymbolWeightTotal> MakeSymbolOfDraw() {
  std::array<SymbolId, kSymbolWeightTotal> table{};
  std::size_t u = 0;
  for (std::size_t s = 0; s < kSymbolWeights.size(); ++s)
    for (int k = 0; k < kSymbolWeights[s]; ++k) table[u++] = static_cast<SymbolId>(s + 1);
  return table;
}

inline constexpr auto kSymbolOfDraw = MakeSymbolOfDraw();
static_assert(kSymbolOfDraw[0] == 1 && kSymbolOfDraw[9] == 1 && kSymbolOfDraw[10] == 2);
static_assert(kSymbolOfDraw[60] == 10 && kSymbolOfDraw[62] == 11 && kSymbolOfDraw[72] == 15);

// Multipliers are only drawn on the reels where they count: x2 on reels 2 and 3, x5 on
// reel 4, x10 on reel 5.
constexpr bool AllowedOnReel(SymbolId s, int reel) {
  // clang-format off
  switch (s) {
    case 13: return reel == 2 || reel == 3;
    case 14: return reel == 4;
    case 15: return reel == 5;
    default: return s >= 1 && s <= 12;
  }
  // clang-format on
}

// Four cells per reel, stored row by row: the five cells of row 0 first, reel 1 first.
struct ReelWindow {
  std::array<SymbolId, kRows * kReels> cells{};

  SymbolId& at(int row, int reel) {
    return cells[static_cast<std::size_t>(row * kReels + reel - 1)];
  }
  SymbolId at(int row, int reel) const {
    return cells[static_cast<std::size_t>(row * kReels + reel - 1)];
  }
  friend bool operator==(const ReelWindow&, const ReelWindow&) = default;
};

using ReelFlags = std::array<std::uint8_t, kReels>;

SymbolId DrawSymbol(Random& random);

// Shifts every turning reel down one cell and draws its new hidden top symbol, which must
// differ from the three below it and be allowed on that reel.
void AdvanceReels(ReelWindow& window, const ReelFlags& spinning, Random& random);

// The same as calling AdvanceReels with each entry of `advances` in turn, to the same cells and
// the same generator state, only faster: the draws are worked out ahead in blocks, and a refused
// draw costs no branch. For long runs of spins, such as the simulator's.
void AdvanceReels(ReelWindow& window, std::span<const ReelFlags> advances, Random& random);

// The batch's forms, all to the same result: plain, and with the BMI1 bit instructions. The
// processor's forms, the fastest last, which the batch above uses.
enum class BatchForm { Plain, Bmi };
std::vector<BatchForm> BatchForms();
void AdvanceReels(BatchForm form, ReelWindow& window, std::span<const ReelFlags> advances,
                  Random& random);

// Symbol `s` on the visible rows (1..3) of all five reels.
int CountVisible(const ReelWindow& window, SymbolId s);

}  // namespace tarvolenka
