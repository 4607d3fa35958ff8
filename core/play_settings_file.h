#pragma once

// Where the player's settings live between runs: the settings file, read again before each
// write so that what the desktop keeps there (the zoom) and lines the game does not know stay.

#include <filesystem>

#include "core/file_access.h"
#include "core/play_settings.h"

namespace tarvolenka {

class PlaySettingsFile {
 public:
  // No path: the settings are kept for the run only.
  explicit PlaySettingsFile(std::filesystem::path path = {}) : path_(std::move(path)) {}

  // What the file holds; the defaults, with the failure in `read`, when it cannot be read.
  PlaySettings Load(FileResult& read) const;
  // Writes `settings` into the file; one that could not be read is left as it is, and that is
  // the outcome.
  FileResult Save(const PlaySettings& settings) const;

 private:
  std::filesystem::path path_;
};

}  // namespace tarvolenka
