#pragma once

// The zoom of all windows: one factor, in steps of 25 % from 100 % to 250 %.

namespace tarvolenka {

inline constexpr int kZoomMinPercent = 100;
inline constexpr int kZoomMaxPercent = 250;
inline constexpr int kZoomStepPercent = 25;

}  // namespace tarvolenka
