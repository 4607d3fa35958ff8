#include "core/reels.h"

#include <bit>
#include <cstring>
#include <utility>

#include "core/draw_block.h"
#include "core/spin_schedule.h"

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

namespace {

// How many of the eight bytes of `word` are `s`. After the XOR a byte is zero exactly where it
// matched, and the add and ORs leave its high bit clear there and only there.
int BytesEqual(std::uint64_t word, SymbolId s) {
  constexpr std::uint64_t kEachByte = 0x0101010101010101ull;
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
  const std::uint64_t x = word ^ (kEachByte * s);
  const std::uint64_t zero = ~(((x & kLow7) + kLow7) | x | kLow7);  // 0x80 in each zero byte
  return static_cast<int>(((zero >> 7) * kEachByte) >> 56);
}

}  // namespace

// Rows 1..3 are cells 5..19: the words of cells 4..11 and 12..19, less cell 4, which is row 0.
int CountVisible(const ReelWindow& w, SymbolId s) {
  static_assert(kReels == 5 && kRows == 4 && sizeof w.cells == 20);
  std::uint64_t first = 0;
  std::uint64_t second = 0;
  std::memcpy(&first, &w.cells[4], sizeof first);
  std::memcpy(&second, &w.cells[12], sizeof second);
  return BytesEqual(first, s) + BytesEqual(second, s) - (w.cells[4] == s ? 1 : 0);
}

// The batch form of AdvanceReels. The plain form waits on every draw before it can test it, and
// a refused draw costs a mispredicted branch; over a whole spin that is most of the time. Here
// the coming draws are made ahead in blocks (see DrawBlock). The draw that AdvanceReels would
// accept for a reel is the lowest position where the block drew none of its column's top three
// symbols and a symbol allowed on the reel: the AND of four masks and a bit scan. The stop
// schedule, which the simulator and a resumed spin run, is laid out turn by turn.
namespace {

// Calls `f` with each reel index 0..4 as a constant, so that the batch's arrays indexed by reel
// can be held in registers.
template <class F, std::size_t... c>
[[gnu::always_inline]] inline void ForEachReel(F&& f, std::index_sequence<c...>) {
  (f(std::integral_constant<std::size_t, c>{}), ...);
}
template <class F>
[[gnu::always_inline]] inline void ForEachReel(F&& f) {
  ForEachReel(f, std::make_index_sequence<kReels>{});
}

using TurnCounts = std::array<std::size_t, kReels>;

// The turns of the stop schedule in the order they draw: the reel, and the turns every reel made
// before it.
struct ScheduledTurn {
  std::size_t reel = 0;
  TurnCounts before{};
};

constexpr std::size_t CountTurns(std::span<const ReelFlags> advances) {
  std::size_t n = 0;
  for (const ReelFlags& turning : advances)
    for (const std::uint8_t flag : turning) n += flag == 1 ? 1 : 0;
  return n;
}

constexpr auto kScheduledTurns = [] {
  std::array<ScheduledTurn, CountTurns(kStopSchedule)> turns{};
  TurnCounts made{};
  std::size_t t = 0;
  for (const ReelFlags& turning : kStopSchedule)
    for (std::size_t c = 0; c < kReels; ++c)
      if (turning[c] == 1) turns[t++] = {c, made}, ++made[c];
  return turns;
}();

constexpr TurnCounts kScheduledTurnsMade = [] {
  TurnCounts made = kScheduledTurns.back().before;
  ++made[kScheduledTurns.back().reel];
  return made;
}();

// Calls `f` with each turn of the stop schedule in order: its reel as a constant, and the turns
// every reel made before it.
template <class F, std::size_t... t>
[[gnu::always_inline]] inline void ForEachScheduledTurn(F&& f, std::index_sequence<t...>) {
  (f(std::integral_constant<std::size_t, kScheduledTurns[t].reel>{}, kScheduledTurns[t].before),
   ...);
}

bool IsStopSchedule(std::span<const ReelFlags> advances) {
  return advances.size() == kStopSchedule.size() &&
         std::memcmp(advances.data(), kStopSchedule.data(), sizeof kStopSchedule) == 0;
}

[[gnu::always_inline]] inline void AdvanceInBlocks(ReelWindow& w,
                                                   std::span<const ReelFlags> advances,
                                                   Random& random) {
  // Each turn of a reel takes a draw at least, so a batch that may turn reels more often than a
  // block holds draws the next block ahead, while the first block's choices are made.
  std::array<DrawBlock, 2> blocks;
  DrawBlock* block = &blocks[0];
  DrawBlock* spare = &blocks[1];
  block->Draw(random.seed());
  bool spareDrawn = advances.size() * kReels > DrawBlock::kSize;
  if (spareDrawn) spare->Draw(block->StateAfter(DrawBlock::kSize));
  // The symbols each reel's turns drew, the last four of them: turn n is kept at n mod 4, so a
  // turn writes one cell and moves none. After n turns row r holds turn n - 1 - r, or while
  // there is none, row r - n of the window as it came.
  std::array<std::array<SymbolId, kRows>, kReels> drew{};
  const auto symbolAt = [&](std::size_t c, std::size_t turns, int r)
      __attribute__((always_inline)) {
    const auto back = static_cast<std::size_t>(r) + 1;
    return turns >= back ? drew[c][(turns - back) % kRows]
                         : w.at(r - static_cast<int>(turns), static_cast<int>(c) + 1);
  };
  // Where the block did not draw the symbol of each reel's row 0, the one the chain waits on;
  // those of rows 1 and 2 are looked up afresh from their symbols, off the chain, so that the
  // masks held from turn to turn fit in registers.
  std::array<DrawPositions, kReels> notTop{};
  const auto locate = [&](const TurnCounts& made) __attribute__((always_inline)) {
    ForEachReel([&](auto c) __attribute__((always_inline)) {
      notTop[c] = block->WhereNot(symbolAt(c, made[c], 0));
    });
  };
  locate(TurnCounts{});
  // The draws of the block already taken, always its lowest: taking a draw marks it and all below
  // it, so the next reel looks only above. The chain through every reel's choice is then two mask
  // operations per draw (andn, blsmsk), where a position count needs a shift, a scan and an add.
  DrawPositions taken = 0;
  // Turns reel `c` once the reels have made `made` turns.
  const auto turn = [&](auto c, const TurnCounts& made) __attribute__((always_inline)) {
    // Open: allowed on the reel and none of the symbols of rows 0..2, which the shift moves down.
    const auto allowed = [&]() __attribute__((always_inline)) {
      return block->AllowedOn(static_cast<int>(c)) & block->WhereNot(symbolAt(c, made[c], 2)) &
             block->WhereNot(symbolAt(c, made[c], 1)) & notTop[c];
    };
    DrawPositions open = allowed() & ~taken;
    while (open == 0) [[unlikely]] {  // every draw left in the block is refused
        if (!spareDrawn) spare->Draw(block->StateAfter(DrawBlock::kSize));
        spareDrawn = false;
        std::swap(block, spare);
        locate(made);
        open = allowed();
      }
    taken = open ^ (open - 1);  // the lowest open draw and all below it
    const int drawn = std::countr_zero(open);
    drew[c][made[c] % kRows] = block->symbol(drawn);
    notTop[c] = block->WhereNotSameAs(drawn);
  };
  const auto finish = [&](const TurnCounts& made) __attribute__((always_inline)) {
    // The bottom row first: a row may take its symbol from a row above it, not yet rewritten.
    ForEachReel([&](auto c) __attribute__((always_inline)) {
      for (int r = kRows - 1; r >= 0; --r)
        w.at(r, static_cast<int>(c) + 1) = symbolAt(c, made[c], r);
    });
    random.Seed(block->StateAfter(std::countr_one(taken)));
  };
  if (IsStopSchedule(advances)) {
    // The stop schedule's turns are known here, one after another: no flag is tested and every
    // cell written is a constant place.
    ForEachScheduledTurn(turn, std::make_index_sequence<kScheduledTurns.size()>{});
    finish(kScheduledTurnsMade);
    return;
  }
  TurnCounts made{};
  for (const ReelFlags& turning : advances)
    ForEachReel([&](auto c) __attribute__((always_inline)) {
      if (turning[c] != 1) return;
      turn(c, made);
      ++made[c];
    });
  finish(made);
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
