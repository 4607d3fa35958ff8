#include "core/paylines.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace tarvolenka {

LineSymbols SymbolsOnLine(const ReelWindow& window, const Payline& line) {
  LineSymbols s{};
  for (int reel = 1; reel <= kReels; ++reel)
    s[static_cast<std::size_t>(reel - 1)] =
        window.at(line.rows[static_cast<std::size_t>(reel - 1)], reel);
  return s;
}

namespace {

// The lines grouped by the rows they take on reels 1 and 2 (group 3 × (row 1 - 1) + row 2 - 1),
// in table order within a group. A line pays only for a run of two or more, so a group whose
// reel-2 cell does not carry on its reel-1 symbol is passed over whole: most windows are
// evaluated in nine tests.
struct LineGroups {
  std::array<std::array<std::uint8_t, kPaylines>, 9> lines{};
  std::array<int, 9> count{};
};

constexpr LineGroups MakeLineGroups() {
  LineGroups g;
  for (std::size_t i = 0; i < kPaylineTable.size(); ++i) {
    const auto& rows = kPaylineTable[i].rows;
    const auto group = static_cast<std::size_t>(3 * (rows[0] - 1) + rows[1] - 1);
    g.lines[group][static_cast<std::size_t>(g.count[group]++)] = static_cast<std::uint8_t>(i);
  }
  return g;
}

constexpr LineGroups kLineGroups = MakeLineGroups();

constexpr bool NoRunOfOnePays() {
  for (const PayRow& row : kPayTable)
    if (row[0] != 0 || row[1] != 0) return false;
  return true;
}
static_assert(NoRunOfOnePays(), "passing over lines whose run stops at reel 2 needs this");

}  // namespace

std::int64_t EvaluateLines(const ReelWindow& window, WinningLineFlags& winning) {
  winning.fill(0);
  std::int64_t total = 0;
  for (int group = 0; group < 9; ++group) {
    const LineSymbols firstTwo{window.at(group / 3 + 1, 1), window.at(group % 3 + 1, 2), 0, 0, 0};
    if (RunOnLine(firstTwo).length < 2) continue;
    const auto g = static_cast<std::size_t>(group);
    for (int k = 0; k < kLineGroups.count[g]; ++k) {
      const std::size_t i = kLineGroups.lines[g][static_cast<std::size_t>(k)];
      const std::int64_t pay = LinePay(SymbolsOnLine(window, kPaylineTable[i]));
      if (pay > 0) {
        total += pay;
        winning[i] = 1;
      }
    }
  }
  return total;
}

namespace {

// How many lines take each choice of rows on reels 1..k: kLinesThrough[k - 1][prefix], the
// prefix numbered in base 3 with a digit of row - 1 per reel, reel 1 the highest.
using PrefixCounts = std::array<std::array<std::uint8_t, 243>, kReels>;

constexpr PrefixCounts MakeLinesThrough() {
  PrefixCounts counts{};
  for (const Payline& line : kPaylineTable) {
    std::size_t prefix = 0;
    for (std::size_t k = 0; k < kReels; ++k) {
      prefix = prefix * 3 + line.rows[k] - 1u;
      ++counts[k][prefix];
    }
  }
  return counts;
}

constexpr PrefixCounts kLinesThrough = MakeLinesThrough();

void Add(LinePays& pays, std::int64_t pay, std::int64_t factor) {
  pays.total += pay;
  if (factor > 1) pays.withMultiplier += pay;
}

// A run of `first` holds from reel 1 to reel kReel along the rows `prefix`, its multipliers'
// product `factor`: every line taking those rows is paid where its own run ends.
template <int kReel>
void FollowRun(const ReelWindow& w, SymbolId first, std::size_t prefix, std::int64_t factor,
               LinePays& pays) {
  if constexpr (kReel == kReels) {
    Add(pays, kPayTable[first][kReels] * factor * kLinesThrough[kReels - 1][prefix], factor);
  } else {
    for (int row = 1; row <= 3; ++row) {
      const std::size_t next = prefix * 3 + static_cast<std::size_t>(row - 1);
      const int lines = kLinesThrough[kReel][next];
      if (lines == 0) continue;
      const SymbolId here = w.at(row, kReel + 1);
      if (here == first)
        FollowRun<kReel + 1>(w, first, next, factor, pays);
      else if (here == kMultiplierOnReel[kReel + 1])
        FollowRun<kReel + 1>(w, first, next, factor * kMultiplierFactor[kReel + 1], pays);
      else
        Add(pays, kPayTable[first][kReel] * factor * lines, factor);
    }
  }
}

LinePays EvaluateLinePaysPlain(const ReelWindow& window) {
  LinePays pays;
  for (int row = 1; row <= 3; ++row) {
    const SymbolId first = window.at(row, 1);
    if (first >= 1 && first <= 10)
      FollowRun<1>(window, first, static_cast<std::size_t>(row - 1), 1, pays);
  }
  return pays;
}

#if defined(__x86_64__) || defined(__i386__)

// The AVX-512 form: a byte lane per line. Byte permutes of the window put each line's symbol on
// reel k in its lane, compares give the lines whose run reaches each reel and those where a
// multiplier stands in, and the pays are looked up and multiplied in 16-bit lanes. The plain
// form follows runs and mispredicts its branches; this one takes none.
struct LineBytes {
  alignas(64) std::array<std::uint8_t, 64> b{};
};

// For each reel, the window cell (row * kReels + reel - 1) of each line's symbol on it.
constexpr std::array<LineBytes, kReels> kCellOfLine = [] {
  std::array<LineBytes, kReels> cells{};
  for (std::size_t k = 0; k < kReels; ++k)
    for (std::size_t line = 0; line < kPaylines; ++line)
      cells[k].b[line] = static_cast<std::uint8_t>(kPaylineTable[line].rows[k] * kReels + k);
  return cells;
}();
static_assert(kPaylines < 64);
constexpr std::uint64_t kLineLanes = (std::uint64_t{1} << kPaylines) - 1;

constexpr std::int64_t kHighestPay = [] {
  std::int64_t highest = 0;
  for (const PayRow& row : kPayTable)
    for (const std::int64_t pay : row) highest = pay > highest ? pay : highest;
  return highest;
}();
static_assert(kHighestPay <= 32767, "a run's pay fits a signed 16-bit lane");
static_assert(kMultiplierFactor[2] * kMultiplierFactor[3] * kMultiplierFactor[4] *
                      kMultiplierFactor[5] <=
                  32767,
              "so do a line's multipliers");
static_assert(kMultiplierFactor[2] * kMultiplierFactor[3] * kMultiplierFactor[4] *
                      kMultiplierFactor[5] * kHighestPay * kPaylines <
                  std::int64_t{1} << 31,
              "and the window's pay fits the 32-bit lanes they are added in");

// The pay of a run of symbol s over n reels at index 4 (s - 1) + n - 2, in two vectors of 16-bit
// lanes; and the index of each symbol's run of two.
constexpr auto kPayOfRun = [] {
  std::array<std::array<std::int16_t, 32>, 2> pays{};
  for (std::size_t s = 1; s <= 10; ++s)
    for (std::size_t n = 2; n <= kReels; ++n) {
      const std::size_t i = 4 * (s - 1) + n - 2;
      pays[i / 32][i % 32] = static_cast<std::int16_t>(kPayTable[s][n]);
    }
  return pays;
}();
constexpr LineBytes kRunOfTwo = [] {
  LineBytes index;
  for (std::size_t s = 1; s <= 10; ++s) index.b[s] = static_cast<std::uint8_t>(4 * (s - 1));
  return index;
}();

// GCC 12's AVX-512 intrinsics start their results from a deliberately undefined vector, which
// its own uninitialised-use checks then flag where they are inlined (the "maybe" one in the
// sanitizer build).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

// Each line's symbol on reel k (0..4), in its byte lane.
__attribute__((target("avx512f,avx512bw,avx512vbmi"), always_inline)) inline __m512i OnReel(
    __m512i cells, std::size_t k) {
  return _mm512_permutexvar_epi8(_mm512_load_si512(kCellOfLine[k].b.data()), cells);
}

__attribute__((target("avx512f,avx512bw,avx512vbmi"))) LinePays EvaluateLinePaysAvx512(
    const ReelWindow& window) {
  static_assert(sizeof window.cells == 20);
  const __m512i cells = _mm512_maskz_loadu_epi8(0xFFFFF, window.cells.data());
  const __m512i first = OnReel(cells, 0);
  const __m512i one = _mm512_set1_epi8(1);
  // The lines whose run from reel 1 reaches reel k, of a paying symbol (1..10), and those whose
  // run a multiplier carries on at reel k.
  std::uint64_t run =
      kLineLanes & _mm512_cmplt_epu8_mask(_mm512_sub_epi8(first, one), _mm512_set1_epi8(10));
  std::uint64_t runOfTwo = 0;
  std::array<std::uint64_t, kReels + 1> multiplied{};
  // Each line's index into kPayOfRun: its symbol's run of two, one on for each reel more.
  __m512i index = _mm512_permutexvar_epi8(first, _mm512_load_si512(kRunOfTwo.b.data()));
#pragma GCC unroll 4
  for (std::size_t k = 2; k <= kReels; ++k) {
    const __m512i here = OnReel(cells, k - 1);
    const std::uint64_t multiplier =
        _mm512_cmpeq_epi8_mask(here, _mm512_set1_epi8(static_cast<char>(kMultiplierOnReel[k])));
    run &= _mm512_cmpeq_epi8_mask(here, first) | multiplier;
    multiplied[k] = run & multiplier;
    if (k == 2)
      runOfTwo = run;
    else
      index = _mm512_mask_add_epi8(index, run, index, one);
  }
  const std::uint64_t withMultiplier =
      multiplied[2] | multiplied[3] | multiplied[4] | multiplied[5];
  // Lines 0..31, then 32..63, in 16-bit lanes: pay times multipliers, added in pairs to 32 bits.
  const __m512i payLow = _mm512_loadu_si512(kPayOfRun[0].data());
  const __m512i payHigh = _mm512_loadu_si512(kPayOfRun[1].data());
  __m512i sum = _mm512_setzero_si512();
  __m512i sumWithMultiplier = _mm512_setzero_si512();
#pragma GCC unroll 2
  for (int half = 0; half < 2; ++half) {
    const auto lanes = [half](std::uint64_t lines) {
      return static_cast<__mmask32>(lines >> (32 * half));
    };
    const __m256i halfIndex =
        half == 0 ? _mm512_castsi512_si256(index) : _mm512_extracti64x4_epi64(index, 1);
    const __m512i pay = _mm512_maskz_permutex2var_epi16(lanes(runOfTwo), payLow,
                                                        _mm512_cvtepu8_epi16(halfIndex), payHigh);
    __m512i factor = _mm512_set1_epi16(1);
#pragma GCC unroll 4
    for (std::size_t k = 2; k <= kReels; ++k)
      factor = _mm512_mask_mullo_epi16(
          factor, lanes(multiplied[k]), factor,
          _mm512_set1_epi16(static_cast<std::int16_t>(kMultiplierFactor[k])));
    sum = _mm512_add_epi32(sum, _mm512_madd_epi16(pay, factor));
    sumWithMultiplier = _mm512_add_epi32(
        sumWithMultiplier,
        _mm512_madd_epi16(_mm512_maskz_mov_epi16(lanes(withMultiplier), pay), factor));
  }
  return {_mm512_reduce_add_epi32(sum), _mm512_reduce_add_epi32(sumWithMultiplier)};
}
#pragma GCC diagnostic pop

#endif

}  // namespace

std::vector<LinePayForm> LinePayForms() {
  std::vector<LinePayForm> forms{LinePayForm::Plain};
#if defined(__x86_64__) || defined(__i386__)
  if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
      __builtin_cpu_supports("avx512vbmi"))
    forms.push_back(LinePayForm::Avx512);
#endif
  return forms;
}

LinePays EvaluateLinePays(LinePayForm form, const ReelWindow& window) {
#if defined(__x86_64__) || defined(__i386__)
  if (form == LinePayForm::Avx512) return EvaluateLinePaysAvx512(window);
#endif
  return EvaluateLinePaysPlain(window);
}

LinePays EvaluateLinePays(const ReelWindow& window) {
  static const LinePayForm fastest = LinePayForms().back();
  return EvaluateLinePays(fastest, window);
}

std::array<Point, 7> PaylinePolyline(const Payline& line) {
  std::array<Point, 7> p{};
  for (int k = 1; k <= kReels; ++k) {
    const int row = line.rows[static_cast<std::size_t>(k - 1)];
    p[static_cast<std::size_t>(k)] = {62 + 125 * (k - 1), 62 + 125 * (row - 1) + line.offset};
  }
  p[0] = {10, p[1].y};
  p[6] = {615, p[5].y};
  return p;
}

}  // namespace tarvolenka
