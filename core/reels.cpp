#include "reels.h"

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

}  // namespace tarvolenka
