#include "core/paylines.h"

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

}  // namespace

LinePays EvaluateLinePays(const ReelWindow& window) {
  LinePays pays;
  for (int row = 1; row <= 3; ++row) {
    const SymbolId first = window.at(row, 1);
    if (first >= 1 && first <= 10)
      FollowRun<1>(window, first, static_cast<std::size_t>(row - 1), 1, pays);
  }
  return pays;
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
