#include "core/reels.h"

#include <bit>

#include "core/draw_block.h"

namespace tarvolenka {
SymbolId DrawSymbol(Random& random) {
  return kSymbolOfDraw[random.Below(kSymbolWeightTotal)];
}

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
// the coming draws are made ahead in blocks (see DrawBlock), and each column keeps where the
// block drew its three top symbols. The draw that AdvanceReels would accept for a reel is then
// the lowest position not marked by one of its refused symbols: a few masks and a bit scan.
namespace {

[[gnu::always_inline]] inline void AdvanceInBlocks(ReelWindow& w,
                                                   std::span<const ReelFlags> advances,
                                                   Random& random) {
  DrawBlock block;
  block.Draw(random.seed());
  // Each column's rows 0..3 as the bytes of one word, row 0 lowest, so that a shift moves the
  // column down; and where the block drew the symbols of rows 0..2.
  std::array<std::uint32_t, kReels> cells{};
  std::array<DrawPositions, kReels> at0{}, at1{}, at2{};
  const auto row = [&](std::size_t c, int r) { return static_cast<SymbolId>(cells[c] >> (8 * r)); };
  for (std::size_t c = 0; c < kReels; ++c)
    for (int r = kRows - 1; r >= 0; --r)
      cells[c] = cells[c] << 8 | w.at(r, static_cast<int>(c) + 1);
  const auto locate = [&] {
#pragma GCC unroll 5
    for (std::size_t c = 0; c < kReels; ++c) {
      at0[c] = block.Where(row(c, 0));
      at1[c] = block.Where(row(c, 1));
      at2[c] = block.Where(row(c, 2));
    }
  };
  const auto nextBlock = [&] {
    block.Draw(block.StateAfter(DrawBlock::kSize));
    locate();
  };
  locate();
  // The draws of the block already taken, always its lowest: taking a draw marks it and all below
  // it, so the next reel looks only above. The chain through every reel's choice is then one mask
  // operation per draw, where a position count needs a shift, a scan and an add.
  DrawPositions taken = 0;
  for (const ReelFlags& turning : advances) {
#pragma GCC unroll 5
    for (std::size_t c = 0; c < kReels; ++c) {
      if (turning[c] != 1) continue;
      // Refused: the reel's forbidden symbols and those of rows 0..2, which the shift moves down.
      const auto allowed = [&] {
        return ~(block.NotAllowedOn(static_cast<int>(c)) | at0[c] | at1[c] | at2[c]);
      };
      DrawPositions open = allowed() & ~taken;
      while (open == 0) [[unlikely]] {  // every draw left in the block is refused
          nextBlock();
          open = allowed();
        }
      taken = open ^ (open - 1);  // the lowest open draw and all below it
      const SymbolId s = block.symbol(std::countr_zero(open));
      cells[c] = cells[c] << 8 | s;
      at2[c] = at1[c];
      at1[c] = at0[c];
      at0[c] = block.Where(s);
    }
  }
  for (std::size_t c = 0; c < kReels; ++c)
    for (int r = 0; r < kRows; ++r) w.at(r, static_cast<int>(c) + 1) = row(c, r);
  random.Seed(block.StateAfter(std::countr_one(taken)));
}

#if defined(__x86_64__) || defined(__i386__)
// BMI1 makes the mask steps on the chain single instructions (andn, blsmsk): a few per cent of
// the batch's time. The same source, for processors that have it.
__attribute__((target("bmi"))) void AdvanceInBlocksBmi(ReelWindow& w,
                                                       std::span<const ReelFlags> advances,
                                                       Random& random) {
  AdvanceInBlocks(w, advances, random);
}
#endif

}  // namespace

std::vector<BatchForm> BatchForms() {
  std::vector<BatchForm> forms{BatchForm::Plain};
#if defined(__x86_64__) || defined(__i386__)
  if (__builtin_cpu_supports("bmi")) forms.push_back(BatchForm::Bmi);
#endif
  return forms;
}

void AdvanceReels(BatchForm form, ReelWindow& w, std::span<const ReelFlags> advances,
                  Random& random) {
#if defined(__x86_64__) || defined(__i386__)
  if (form == BatchForm::Bmi) return AdvanceInBlocksBmi(w, advances, random);
#endif
  AdvanceInBlocks(w, advances, random);
}

void AdvanceReels(ReelWindow& w, std::span<const ReelFlags> advances, Random& random) {
  static const BatchForm fastest = BatchForms().back();
  AdvanceReels(fastest, w, advances, random);
}

}  // namespace tarvolenka
