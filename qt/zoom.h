#pragma once

// The zoom of all windows: one factor, in steps of 25 % from 100 % to 250 %, remembered in the
// user's settings (not in the save file, which holds the game).

#include <QSize>

#include "core/file_access.h"

namespace tarvolenka::qt {

inline constexpr int kZoomMinPercent = 100;
inline constexpr int kZoomMaxPercent = 250;
inline constexpr int kZoomStepPercent = 25;

// The nearest step within the range.
int ClampZoom(int percent);
// The largest step at which a window of `window` logical pixels fits two thirds of `screen`.
int FittingZoom(QSize window, QSize screen);
// The zoom the player chose last; on the first start, or when the settings cannot be read (said
// in `read`), the one that fits the primary screen.
int LoadZoom(QSize mainWindow, FileResult& read);
// Remembers the zoom; a file that could not be read is left as it is, and that is the outcome.
FileResult SaveZoom(int percent);

}  // namespace tarvolenka::qt
