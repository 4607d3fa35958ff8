#include "tests/support/temp_dir.h"

#include <stdlib.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace tarvolenka::testing {

namespace {

std::filesystem::path DiskFolder() {
  const char* folder = std::getenv("TARVOLENKA_DISK_TMPDIR");
  return folder != nullptr && folder[0] == '/' ? folder : "/var/tmp";
}

}  // namespace

TempDir::TempDir(Storage storage) {
  const std::filesystem::path base =
      storage == Storage::Disk ? DiskFolder() : std::filesystem::temp_directory_path();
  std::string pattern = (base / "tarvolenka-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::vector<unsigned char> ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

}  // namespace tarvolenka::testing
