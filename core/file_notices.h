#pragma once

// The notice over the reels while a file the game writes lets it down. Each file has its own
// last outcome; the notice shows the most important one that is failing (the save first, then
// the game in flight, then the history, then what is only remembered between sessions), and the
// log hears of every change once, so a failure repeated at every write is written only once.

#include <array>
#include <cstdint>
#include <string>

#include "core/file_access.h"

namespace tarvolenka {

enum class FileRole : std::uint8_t { Save, Resume, History, Settings, Count };

class FileNotices {
 public:
  struct Change {
    bool changed = false;  // the outcome differs from the last one of this file
    std::string logLine;   // for the log when it changed
  };

  // Takes the outcome of a write of `file` (its name, as the player knows it) in `role`.
  Change Report(FileRole role, const std::string& file, const FileResult& result);

  const FileResult& last(FileRole role) const { return last_[Index(role)]; }
  bool failing() const;
  // The notice's text: the most important failure, empty when none.
  std::string Notice() const;

 private:
  static std::size_t Index(FileRole role) { return static_cast<std::size_t>(role); }
  std::array<FileResult, static_cast<std::size_t>(FileRole::Count)> last_;
  std::array<std::string, static_cast<std::size_t>(FileRole::Count)> names_;
};

}  // namespace tarvolenka
