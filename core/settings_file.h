#pragma once

// The player's settings between sessions, as an INI text ("[window]" then "zoomPercent=150"),
// read and written through the file-access module, so that a settings file that is a FIFO, a
// device, a link or huge never holds up the start: it is left alone, said so, and the defaults
// play. Lines the game does not know are kept as they stand.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/file_access.h"

namespace tarvolenka {

class SettingsFile {
 public:
  // A settings text is a few lines; a larger file is not ours.
  static constexpr std::size_t kMaxBytes = 64 * 1024;

  explicit SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}

  const std::filesystem::path& path() const { return path_; }

  // Reads the file; absent is an empty text. A failure leaves the text empty and is kept for
  // `loaded()`, and the file is then never written over.
  const FileResult& Load();
  const FileResult& loaded() const { return loaded_; }

  std::optional<std::string> Value(const std::string& section, const std::string& key) const;
  void SetValue(const std::string& section, const std::string& key, const std::string& value);

  // Writes the text back whole, unless the file could not be read.
  FileResult Save() const;

  // The text as it would be written.
  std::string Text() const;
  void SetText(const std::string& text);

 private:
  std::filesystem::path path_;
  std::vector<std::string> lines_;
  FileResult loaded_;
};

}  // namespace tarvolenka
