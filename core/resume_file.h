#pragma once

// The resume file beside the save: one encoded ResumeRecord, replaced atomically. The save's own
// 120 bytes never change for it.

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/file_access.h"
#include "core/resume_record.h"

namespace tarvolenka {

inline constexpr const char* kResumeFileName = "Tarvolenka.resume";

enum class ResumeLoad { Absent, Loaded, Damaged };

struct ResumeLoadResult {
  ResumeLoad status = ResumeLoad::Absent;
  ResumeRecord record;
  std::string reason;  // Damaged: why, in English
};

class ResumeFile {
 public:
  // An empty path keeps no file: nothing is read or written. The simulator plays that way.
  explicit ResumeFile(std::filesystem::path path) : path_(std::move(path)) {}

  // The resume file that belongs beside `savePath`: the save's name with the .resume extension.
  static std::filesystem::path BesideSave(const std::filesystem::path& savePath);

  bool enabled() const { return !path_.empty(); }
  const std::filesystem::path& path() const { return path_; }

  // Never blocks: anything but a regular file, a link among them, counts as damaged. Removes a
  // temporary file left by a write that died.
  ResumeLoadResult Load() const;
  // Temporary file beside it, flushed, renamed over it, the folder flushed. A failed write
  // leaves the old file intact and names the file that blocked.
  FileResult Write(const ResumeRecord& record) const;
  bool Remove() const;
  // Renames a damaged file to `<name>.unusable-YYYYMMDD-HHMMSS` and says so on standard error.
  void SetAside(const std::string& reason) const;

 private:
  std::filesystem::path path_;
};

}  // namespace tarvolenka
