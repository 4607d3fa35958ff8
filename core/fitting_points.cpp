#include "core/fitting_points.h"

#include <algorithm>
#include <cstdint>

namespace tarvolenka {
namespace {

// Advance widths of the bold font's characters, in thousandths of the font's pixel size.
constexpr int AdvanceMilliEm(char c) {
  switch (c) {
    case ' ':
      return 348;
    case ',':
      return 380;
    case 'x':
      return 645;
    case '=':
      return 837;
    default:
      return 695;  // digits
  }
}

}  // namespace

int FittingPoints(std::string_view text, int widthPx, int designPoints) {
  std::int64_t milliEm = 0;
  for (char c : text) {
    // A letter spelled in several bytes of UTF-8, as Cyrillic is, takes one advance.
    if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) continue;
    milliEm += AdvanceMilliEm(c);
  }
  if (milliEm == 0) return designPoints;
  // Width in pixels at p points: milliEm / 1000 × p × 96 / 72.
  const std::int64_t fit = std::int64_t{widthPx} * 1000 * 72 / (milliEm * 96);
  return static_cast<int>(std::min<std::int64_t>(designPoints, fit));
}

}  // namespace tarvolenka
