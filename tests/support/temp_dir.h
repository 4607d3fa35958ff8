#pragma once

#include <filesystem>
#include <vector>

namespace tarvolenka::testing {

// Where a test's folder lives. The suite runs with TMPDIR on a memory file system, where a save's
// fsync costs nothing; the tests that prove a save survives a kill keep theirs on a real disk,
// in $TARVOLENKA_DISK_TMPDIR or /var/tmp.
enum class Storage { Temporary, Disk };

// A fresh directory that is removed with everything in it when the test ends.
class TempDir {
 public:
  explicit TempDir(Storage storage = Storage::Temporary);
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const char* name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

std::vector<unsigned char> ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes);

}  // namespace tarvolenka::testing
