#pragma once

#include <filesystem>
#include <vector>

namespace tarvolenka::testing {

// A fresh directory that is removed with everything in it when the test ends.
class TempDir {
 public:
  TempDir();
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
