#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/game_state.h"

namespace tarvolenka {

inline constexpr const char* kSaveFileName = "Tarvolenka.cfg";

// The save file: the 120 bytes of the game state at the start of the file. Bytes beyond the
// 120th of a longer file belong to nobody we know and are carried over by every save.
class SaveFile {
 public:
  // An empty path keeps no file at all: nothing is read and every write fails without touching
  // the file system. The simulator's machines play that way.
  explicit SaveFile(std::filesystem::path path) : path_(std::move(path)) {}

  const std::filesystem::path& path() const { return path_; }

  // The saved state's bytes, or nothing when the file is absent, unreadable, shorter than a
  // state, or all zero: such a file cannot hold a game and counts as absent.
  std::optional<SaveBytes> Read() const;

  // Replaces the file's first 120 bytes without ever leaving a torn file: the new contents go
  // to a temporary file beside it, are flushed to disk and renamed over the old file. Returns
  // false when the save could not be written; the old file is then untouched.
  bool Write(const SaveBytes& bytes) const;

  // The first half of Write: the complete new file written and flushed under the temporary
  // name, not yet renamed. Returns the temporary path, or nothing on failure.
  std::optional<std::filesystem::path> WriteTemporary(const SaveBytes& bytes) const;

 private:
  std::filesystem::path path_;
};

}  // namespace tarvolenka
