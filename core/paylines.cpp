#include "paylines.h"

namespace tarvolenka {

LineSymbols SymbolsOnLine(const ReelWindow& window, const Payline& line) {
  LineSymbols s{};
  for (int reel = 1; reel <= kReels; ++reel)
    s[static_cast<std::size_t>(reel - 1)] = window.at(line.rows[static_cast<std::size_t>(reel - 1)], reel);
  return s;
}

std::int64_t EvaluateLines(const ReelWindow& window, WinningLineFlags& winning) {
  winning.fill(0);
  std::int64_t total = 0;
  for (std::size_t i = 0; i < kPaylineTable.size(); ++i) {
    const std::int64_t pay = LinePay(SymbolsOnLine(window, kPaylineTable[i]));
    if (pay > 0) {
      total += pay;
      winning[i] = 1;
    }
  }
  return total;
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
