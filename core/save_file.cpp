#include "core/save_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace tarvolenka {
namespace {

// Reads a whole file; false when it cannot be opened or read.
bool ReadAll(const std::filesystem::path& path, std::vector<std::uint8_t>& out) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = true;
  std::uint8_t chunk[4096];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    if (n == 0) break;
    out.insert(out.end(), chunk, chunk + n);
  }
  ::close(fd);
  return ok;
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Makes a rename durable by flushing the directory that holds the file.
void SyncDirectory(const std::filesystem::path& file) {
  std::filesystem::path dir = file.parent_path();
  if (dir.empty()) dir = ".";
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::optional<SaveBytes> SaveFile::Read() const {
  if (path_.empty()) return std::nullopt;
  std::vector<std::uint8_t> content;
  if (!ReadAll(path_, content) || content.size() < kSaveSize) return std::nullopt;
  SaveBytes bytes{};
  std::copy_n(content.begin(), kSaveSize, bytes.begin());
  if (std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; }))
    return std::nullopt;
  return bytes;
}

std::optional<std::filesystem::path> SaveFile::WriteTemporary(const SaveBytes& bytes) const {
  if (path_.empty()) return std::nullopt;
  std::vector<std::uint8_t> content(bytes.begin(), bytes.end());
  std::vector<std::uint8_t> old;
  if (ReadAll(path_, old) && old.size() > kSaveSize)
    content.insert(content.end(), old.begin() + kSaveSize, old.end());

  std::filesystem::path temp = path_;
  temp += ".new";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return std::nullopt;
  const bool ok = WriteAll(fd, content.data(), content.size()) && ::fsync(fd) == 0;
  if (::close(fd) != 0 || !ok) {
    ::unlink(temp.c_str());
    return std::nullopt;
  }
  return temp;
}

bool SaveFile::Write(const SaveBytes& bytes) const {
  const auto temp = WriteTemporary(bytes);
  if (!temp) return false;
  if (::rename(temp->c_str(), path_.c_str()) != 0) {
    ::unlink(temp->c_str());
    return false;
  }
  SyncDirectory(path_);
  return true;
}

}  // namespace tarvolenka
