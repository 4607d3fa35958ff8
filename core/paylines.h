#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "catalogue/geometry.h"
#include "core/reels.h"

namespace tarvolenka {

inline constexpr int kPaylines = 50;

struct Payline {
  std::array<std::uint8_t, kReels> rows;  // visible row 1..3 taken on reels 1..5
  Rgb colour;
  int offset;  // pixels added to the cell centres, so lines through the same cells stay apart
};

inline constexpr std::array<Payline, kPaylines> kPaylineTable{{
    {{2, 2, 2, 2, 2}, {0xFF, 0x00, 0x00}, 0},   {{1, 1, 1, 1, 1}, {0x00, 0x00, 0xFF}, 0},
    {{3, 3, 3, 3, 3}, {0x00, 0xFF, 0x00}, 0},   {{1, 2, 3, 2, 1}, {0x80, 0x00, 0x00}, 8},
    {{3, 2, 1, 2, 3}, {0x00, 0x80, 0x00}, -8},  {{2, 1, 1, 1, 2}, {0x80, 0x80, 0x00}, -8},
    {{2, 3, 3, 3, 2}, {0x00, 0x00, 0x80}, 8},   {{1, 2, 2, 2, 1}, {0x80, 0x00, 0x80}, 16},
    {{3, 2, 2, 2, 3}, {0x00, 0x80, 0x80}, -16}, {{1, 2, 2, 2, 3}, {0x80, 0x80, 0x80}, 24},
    {{3, 2, 2, 2, 1}, {0xC0, 0xC0, 0xC0}, 8},   {{1, 1, 2, 3, 3}, {0xFF, 0xFF, 0x00}, -8},
    {{3, 3, 2, 1, 1}, {0xFF, 0x00, 0xFF}, 16},  {{2, 3, 2, 1, 2}, {0x00, 0xFF, 0xFF}, 16},
    {{2, 1, 2, 3, 2}, {0xC0, 0xDC, 0xC0}, -16}, {{1, 2, 1, 2, 1}, {0xA6, 0xCA, 0xF0}, -16},
    {{3, 2, 3, 2, 3}, {0x9C, 0xCF, 0x00}, 24},  {{2, 1, 2, 1, 2}, {0xFF, 0x65, 0x63}, -24},
    {{2, 3, 2, 3, 2}, {0xCE, 0xFF, 0x00}, 24},  {{2, 2, 1, 2, 2}, {0x00, 0x8A, 0x00}, -32},
    {{2, 2, 3, 2, 2}, {0xC6, 0xFF, 0xB5}, 32},  {{3, 3, 1, 3, 3}, {0x00, 0xFF, 0x84}, -24},
    {{1, 1, 3, 1, 1}, {0x00, 0xCF, 0x00}, -24}, {{1, 3, 3, 3, 1}, {0xFF, 0xB6, 0xB5}, 32},
    {{3, 1, 1, 1, 3}, {0xFF, 0x30, 0x00}, -32}, {{2, 3, 1, 3, 2}, {0x84, 0xFF, 0x6B}, 40},
    {{2, 1, 3, 1, 2}, {0xFF, 0xB6, 0x00}, -40}, {{3, 1, 3, 1, 3}, {0x00, 0xCF, 0xA5}, -40},
    {{1, 3, 1, 3, 1}, {0x00, 0xFF, 0xF7}, -32}, {{3, 1, 2, 3, 1}, {0xFF, 0x30, 0xCE}, 32},
    {{1, 3, 2, 1, 3}, {0xFF, 0x65, 0xCE}, 40},  {{1, 3, 2, 3, 1}, {0xEF, 0xFF, 0x7B}, -40},
    {{3, 1, 2, 1, 3}, {0x00, 0x8E, 0x8C}, 40},  {{1, 1, 3, 3, 3}, {0x63, 0xD3, 0xFF}, 48},
    {{3, 3, 1, 1, 1}, {0x00, 0x9A, 0xFF}, -48}, {{1, 2, 1, 2, 3}, {0xFF, 0x65, 0x00}, 0},
    {{3, 2, 3, 2, 1}, {0x9C, 0xFF, 0x00}, 0},   {{3, 3, 3, 2, 1}, {0xCE, 0x9A, 0x00}, 48},
    {{1, 1, 1, 2, 3}, {0x8C, 0xF3, 0xF7}, -48}, {{3, 2, 1, 1, 2}, {0xFF, 0x30, 0x63}, 0},
    {{1, 2, 3, 3, 2}, {0x63, 0x30, 0xFF}, 0},   {{1, 1, 2, 2, 3}, {0xFF, 0xA2, 0x52}, 56},
    {{3, 3, 2, 2, 1}, {0xC6, 0x00, 0x5A}, -56}, {{3, 2, 1, 2, 1}, {0x00, 0x65, 0xB5}, 0},
    {{1, 2, 3, 2, 3}, {0x84, 0x34, 0x84}, 0},   {{3, 1, 1, 1, 1}, {0x63, 0xD3, 0xFF}, 0},
    {{1, 3, 3, 3, 3}, {0x21, 0x55, 0x4A}, 0},   {{1, 1, 1, 1, 3}, {0xEF, 0xFF, 0x7B}, -56},
    {{3, 3, 3, 3, 1}, {0xFF, 0x65, 0xCE}, 56},  {{1, 3, 3, 1, 3}, {0xFF, 0x00, 0x00}, 0},
}};

// Pay of a run of one paying symbol from reel 1, per unit of stake per line, indexed by
// symbol 1..10 and run length 2..5 (index 0 and runs of 1 pay nothing).
using PayRow = std::array<std::int64_t, 6>;
inline constexpr std::array<PayRow, 11> kPayTable{{
    {0, 0, 0, 0, 0, 0},
    {0, 0, 0, 5, 10, 50},
    {0, 0, 0, 5, 15, 75},
    {0, 0, 0, 8, 20, 100},
    {0, 0, 0, 10, 25, 125},
    {0, 0, 0, 15, 50, 150},
    {0, 0, 2, 15, 40, 200},
    {0, 0, 2, 20, 60, 300},
    {0, 0, 3, 20, 80, 400},
    {0, 0, 4, 30, 100, 500},
    {0, 0, 5, 40, 200, 1000},
}};

// The multiplier symbol that stands in on reel 2..5, and its factor.
inline constexpr std::array<SymbolId, kReels + 1> kMultiplierOnReel{0, 0, 13, 13, 14, 15};
inline constexpr std::array<std::int64_t, kReels + 1> kMultiplierFactor{1, 1, 2, 2, 5, 10};

using LineSymbols = std::array<SymbolId, kReels>;

// The run of one line's five symbols, reel 1 to reel 5: reel 1's paying symbol (0 when reel 1
// holds none), how many reels it runs over from reel 1 with multipliers standing in, and the
// product of those multipliers.
struct LineRun {
  SymbolId symbol = 0;
  int length = 0;
  std::int64_t factor = 1;
};

constexpr LineRun RunOnLine(const LineSymbols& s) {
  const SymbolId first = s[0];
  if (first < 1 || first > 10) return {};
  int run = 1;
  std::int64_t factor = 1;
  for (int reel = 2; reel <= kReels; ++reel) {
    const SymbolId here = s[static_cast<std::size_t>(reel - 1)];
    if (here == first) {
      ++run;
    } else if (here == kMultiplierOnReel[static_cast<std::size_t>(reel)]) {
      ++run;
      factor *= kMultiplierFactor[static_cast<std::size_t>(reel)];
    } else {
      break;
    }
  }
  return {first, run, factor};
}

using PayTable = std::array<PayRow, 11>;

// The pay of one line's five symbols: its run, paid once with its longest length and multiplied.
// The table is a parameter so that the return calculator can try another.
constexpr std::int64_t LinePay(const LineSymbols& s, const PayTable& table = kPayTable) {
  const LineRun run = RunOnLine(s);
  return table[run.symbol][static_cast<std::size_t>(run.length)] * run.factor;
}

using WinningLineFlags = std::array<std::uint8_t, kPaylines>;

// The symbols a payline crosses on a window.
LineSymbols SymbolsOnLine(const ReelWindow& window, const Payline& line);

// Evaluates all fifty lines of the visible rows: rewrites the flags of the lines that paid
// and returns the window's total pay per unit of stake per line.
std::int64_t EvaluateLines(const ReelWindow& window, WinningLineFlags& winning);

// A window's pay per unit of stake per line, and the part of it from lines whose run holds a
// multiplier.
struct LinePays {
  std::int64_t total = 0;
  std::int64_t withMultiplier = 0;
  friend bool operator==(const LinePays&, const LinePays&) = default;
};

// The same pay as EvaluateLines, without the flags: each run is followed once for all the lines
// that share its rows, reel by reel. For long runs of spins, such as the simulator's.
LinePays EvaluateLinePays(const ReelWindow& window);

// The forms of EvaluateLinePays, all to the same result: plain, and with AVX-512 (VBMI) byte
// permutes that lay the fifty lines side by side. The processor's forms, the fastest last, which
// the call above uses.
enum class LinePayForm { Plain, Avx512 };
std::vector<LinePayForm> LinePayForms();
LinePays EvaluateLinePays(LinePayForm form, const ReelWindow& window);

// The seven points of a winning line's stroke in the reel area: a horizontal piece in from
// the left edge, the five cell centres, a horizontal piece out to the right edge.
std::array<Point, 7> PaylinePolyline(const Payline& line);

}  // namespace tarvolenka
