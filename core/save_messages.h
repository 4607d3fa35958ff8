#pragma once

// What the player is told when the save file lets them down, in the game's language. Each
// message is one line, shown in a window or a notice and written as it stands to the log.

#include <string>

#include "core/date_time.h"
#include "core/save_file.h"

namespace tarvolenka {

// The reason behind a failed load or save, in Bulgarian, from its errno or its English text.
std::string ReasonForPlayer(int errorCode, const std::string& reason);

// The name an unusable save is renamed to: "<file>.unusable-YYYYMMDD-HHMMSS", at `now`.
std::string UnusableSaveName(const std::string& file, DateTime now);

// Names the unusable file, the reason, and what the two answers do.
std::string UnusableSaveMessage(const std::string& file, const LoadResult& loaded,
                                const std::string& asideName);

// The question asked when the main window closes while the last save failed.
std::string RetrySaveMessage(const std::string& file, const SaveResult& saved);

}  // namespace tarvolenka
