#pragma once

// The zoom of all windows: one factor, in steps of 25 % from 100 % to 250 %, remembered in the
// user's settings (not in the save file, which holds the game).

#include <QSize>

#include <filesystem>

#include "catalogue/zoom_steps.h"
#include "core/file_access.h"

namespace tarvolenka::qt {

// The nearest step within the range.
int ClampZoom(int percent);
// The largest step at which a window of `window` logical pixels fits two thirds of `screen`.
int FittingZoom(QSize window, QSize screen);
// The zoom the player chose last; on the first start, or when the settings cannot be read (said
// in `read`), the one that fits the primary screen.
int LoadZoom(QSize mainWindow, FileResult& read);
// Remembers the zoom; a file that could not be read is left as it is, and that is the outcome.
FileResult SaveZoom(int percent);
// The desktop's usual configuration file, e.g. ~/.config/Tarvolenka/Tarvolenka.ini, which holds
// the zoom and the player's other settings.
std::filesystem::path UserSettingsPath();

}  // namespace tarvolenka::qt
