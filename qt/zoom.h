#pragma once

// The zoom of all windows: one factor, in steps of 25 % from 100 % to 250 %, remembered in the
// user's settings (not in the save file, which holds the game).

#include <QSize>

namespace tarvolenka::qt {

inline constexpr int kZoomMinPercent = 100;
inline constexpr int kZoomMaxPercent = 250;
inline constexpr int kZoomStepPercent = 25;

// The nearest step within the range.
int ClampZoom(int percent);
// The largest step at which a window of `window` logical pixels fits two thirds of `screen`.
int FittingZoom(QSize window, QSize screen);
// The zoom the player chose last; on the first start, the one that fits the primary screen.
int LoadZoom(QSize mainWindow);
void SaveZoom(int percent);

}  // namespace tarvolenka::qt
