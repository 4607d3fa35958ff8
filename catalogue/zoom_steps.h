#pragma once

// The zoom of all windows: one factor, in steps of 25 % from 100 % to 250 %.

namespace tarvolenka {

inline constexpr int kZoomMinPercent = 100;
inline constexpr int kZoomStepPercent = 25;
inline constexpr int kZoomMaxPercent = 250;

struct Extent {
  int width = 0, height = 0;
};

// The largest step at which a window of `window` logical pixels, zoomed and wrapped in a frame
// of `frame` that the window manager draws unzoomed, fits `area`; the smallest step when even
// it does not, as the game has no smaller one.
constexpr int LargestFittingZoom(Extent window, Extent frame, Extent area) {
  int best = kZoomMinPercent;
  for (int z = kZoomMinPercent + kZoomStepPercent; z <= kZoomMaxPercent; z += kZoomStepPercent) {
    // Rounded up as the window is sized: a part of a pixel still takes a pixel.
    const int width = (window.width * z + 99) / 100 + frame.width;
    const int height = (window.height * z + 99) / 100 + frame.height;
    if (width <= area.width && height <= area.height) best = z;
  }
  return best;
}

}  // namespace tarvolenka
