#pragma once

#include <cstdint>

namespace tarvolenka {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

struct Point {
  int x = 0, y = 0;
  friend constexpr bool operator==(Point, Point) = default;
};

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  friend constexpr bool operator==(Rect, Rect) = default;
  constexpr int Right() const { return left + width; }
  constexpr int Bottom() const { return top + height; }
  constexpr bool Contains(Point p) const {
    return p.x >= left && p.x < Right() && p.y >= top && p.y < Bottom();
  }
  constexpr Point Centre() const { return {left + width / 2, top + height / 2}; }
};

namespace colours {
inline constexpr Rgb kSkyBlue{166, 202, 240};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kLime{0, 255, 0};
inline constexpr Rgb kMaroon{128, 0, 0};
inline constexpr Rgb kTeal{0, 128, 128};
inline constexpr Rgb kNavy{0, 0, 128};
// A choice revealed but not picked: greyed, beside the picked one's colour.
inline constexpr Rgb kMissed{110, 110, 110};
// The cream planks that carry a window's rules and figures in wood-brown ink.
inline constexpr Rgb kPlank{255, 246, 214};
}  // namespace colours

}  // namespace tarvolenka
