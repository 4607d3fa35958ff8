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

// Calls `f` with each turn of the stop schedule in order, as the constant index of the turn.
template <class F, std::size_t... t>
[[gnu::always_inline]] inline void ForEachScheduledTurn(F&& f, std::index_sequence<t...>) {
  (f(std::integral_constant<std::size_t, t>{}), ...);
}

bool IsStopSchedule(std::span<const ReelFlags> advances) {
  if (advances.size() != kStopSchedule.size()) return false;
  return advances.data() == kStopSchedule.data() ||
         std::memcmp(advances.data(), kStopSchedule.data(), sizeof kStopSchedule) == 0;
}

// The two blocks of draws a batch works in: the current one and the next.
using BlockPair = std::array<DrawBlock, 2>;

// One batch's chain of choices: the draws taken, and for each reel its last symbols and where
// the block did not draw its top one. Every member function is inlined into the batch, and the
// blocks are kept apart, so that the compiler can hold the members in registers.
class TurnChain {
 public:
  // Each turn of a reel takes a draw at least, so a batch that may turn reels more often than a
  // block holds draws the next block ahead, while the first block's choices are made.
  [[gnu::always_inline]] TurnChain(ReelWindow& w, Random& random, BlockPair& blocks,
                                   bool drawSpareAhead)
      : w_(w), block_(&blocks[0]), spare_(&blocks[1]) {
    block_->Draw(random.seed());
    if (drawSpareAhead) DrawSpare();
    Locate(TurnCounts{});
  }

  // Turns reel `c` (a constant) once the reels have made `made` turns.
  template <class Reel>
  [[gnu::always_inline]] void Turn(Reel c, const TurnCounts& made) {
    DrawPositions open = Open(c, made) & ~taken_;
    while (open == 0) [[unlikely]] {  // every draw left in the block is refused
        DrawSpare();
        spareDrawn_ = false;
        std::swap(block_, spare_);
        Locate(made);
        open = Open(c, made);
      }
    taken_ = open ^ (open - 1);  // the lowest open draw and all below it
    const int drawn = std::countr_zero(open);
    drew_[c][made[c] % kRows] = block_->symbol(drawn);
    notTop_[c] = block_->WhereNotSameAs(drawn);
  }

  // Writes reel `c`'s column back to the window after `made` turns of it, the bottom row first:
  // a row may take its symbol from a row above it, not yet rewritten.
  template <class Reel>
  [[gnu::always_inline]] void WriteColumn(Reel c, std::size_t made) {
    for (int r = kRows - 1; r >= 0; --r) w_.at(r, static_cast<int>(c) + 1) = SymbolAt(c, made, r);
  }

  [[gnu::always_inline]] void SeedAfterTaken(Random& random) const {
    random.Seed(block_->StateAfter(std::countr_one(taken_)));
  }

 private:
  [[gnu::always_inline]] void DrawSpare() {
    if (!spareDrawn_) spare_->Draw(block_->StateAfter(DrawBlock::kSize));
    spareDrawn_ = true;
  }

  // The symbol of reel `c`'s row r after n turns: turn n - 1 - r, or while there is none, row
  // r - n of the window as it came.
  [[gnu::always_inline]] SymbolId SymbolAt(std::size_t c, std::size_t turns, int r) const {
    const auto back = static_cast<std::size_t>(r) + 1;
    return turns >= back ? drew_[c][(turns - back) % kRows]
                         : w_.at(r - static_cast<int>(turns), static_cast<int>(c) + 1);
  }

  [[gnu::always_inline]] void Locate(const TurnCounts& made) {
    ForEachReel([&](auto c) __attribute__((always_inline)) {
      notTop_[c] = block_->WhereNot(SymbolAt(c, made[c], 0));
    });
  }

  // Open to reel `c`: allowed on it, and none of the symbols of rows 0..2, which the shift moves
  // down.
  template <class Reel>
  [[gnu::always_inline]] DrawPositions Open(Reel c, const TurnCounts& made) const {
    return block_->AllowedOn(static_cast<int>(c)) & block_->WhereNot(SymbolAt(c, made[c], 2)) &
           block_->WhereNot(SymbolAt(c, made[c], 1)) & notTop_[c];
  }

  ReelWindow& w_;
  DrawBlock* block_;
  DrawBlock* spare_;
  bool spareDrawn_ = false;
  // The draws of the block already taken, always its lowest: taking a draw marks it and all below
  // it, so the next reel looks only above. The chain through every reel's choice is then two mask
  // operations per draw (andn, blsmsk), where a position count needs a shift, a scan and an add.
  DrawPositions taken_ = 0;
  // Each reel's last four symbols: turn n is kept at n mod 4, so a turn writes one cell and moves
  // none. Plain arrays: in a function as large as the batch, std::array's operator[] is inlined
  // too late for the compiler to keep the cells in registers.
  SymbolId drew_[kReels][kRows]{};
  // Where the block did not draw the symbol of each reel's row 0, the one the chain waits on;
  // those of rows 1 and 2 are looked up afresh from their symbols, off the chain, so that the
  // masks held from turn to turn fit in registers.
  DrawPositions notTop_[kReels]{};
};

[[gnu::always_inline]] inline void AdvanceInBlocks(ReelWindow& w,
                                                   std::span<const ReelFlags> advances,
                                                   Random& random) {
  if (IsStopSchedule(advances)) {
    // The stop schedule's turns are known here, one after another: no flag is tested and every
    // cell written is a constant place. A reel's column is written back once its last turn is
    // made: written together at the end, the compiler would gather the cells into a vector built
    // through memory, which the next spin then waits on.
    static_assert(kScheduledTurns.size() > DrawBlock::kSize, "the schedule needs two blocks");
    BlockPair blocks;
    TurnChain chain(w, random, blocks, true);
    ForEachScheduledTurn(
        [&](auto t) __attribute__((always_inline)) {
          constexpr std::size_t kReel = kScheduledTurns[t].reel;
          constexpr std::size_t kMade = kScheduledTurns[t].before[kReel] + 1;
          const std::integral_constant<std::size_t, kReel> c;
          chain.Turn(c, kScheduledTurns[t].before);
          if constexpr (kMade == kScheduledTurnsMade[kReel]) chain.WriteColumn(c, kMade);
        },
        std::make_index_sequence<kScheduledTurns.size()>{});
    chain.SeedAfterTaken(random);
    return;
  }
  BlockPair blocks;
  TurnChain chain(w, random, blocks, advances.size() * kReels > DrawBlock::kSize);
  TurnCounts made{};
  for (const ReelFlags& turning : advances)
    ForEachReel([&](auto c) __attribute__((always_inline)) {
      if (turning[c] != 1) return;
      chain.Turn(c, made);
      ++made[c];
    });
  ForEachReel([&](auto c) __attribute__((always_inline)) { chain.WriteColumn(c, made[c]); });
  chain.SeedAfterTaken(random);
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
