#include "core/resume_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "core/resume_encoding.h"

namespace tarvolenka {
namespace {

constexpr std::size_t kMaxFileSize = 4096;  // a record is far smaller; anything larger is junk
constexpr const char* kTemporarySuffix = ".new";

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool SyncFolder(const std::filesystem::path& file) {
  const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

std::string Stamp() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

}  // namespace

std::filesystem::path ResumeFile::BesideSave(const std::filesystem::path& savePath) {
  if (savePath.empty()) return {};
  std::filesystem::path p = savePath;
  return p.replace_extension(".resume");
}

ResumeLoadResult ResumeFile::Load() const {
  ResumeLoadResult result;
  if (!enabled()) return result;
  std::filesystem::path temporary = path_;
  temporary += kTemporarySuffix;
  ::unlink(temporary.c_str());
  const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return result;
    result.status = ResumeLoad::Damaged;
    result.reason = std::string("cannot be opened: ") + std::strerror(errno);
    return result;
  }
  struct stat st {};
  std::vector<std::uint8_t> bytes;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    result.reason = "not a regular file";
  } else if (st.st_size > static_cast<off_t>(kMaxFileSize)) {
    result.reason = "too long";
  } else {
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    if (done != bytes.size()) result.reason = "cannot be read";
  }
  ::close(fd);
  if (result.reason.empty()) {
    if (auto record = DecodeResume(bytes)) {
      result.status = ResumeLoad::Loaded;
      result.record = *record;
      return result;
    }
    result.reason = "not a whole resume record of this version";
  }
  result.status = ResumeLoad::Damaged;
  return result;
}

bool ResumeFile::Write(const ResumeRecord& record) const {
  if (!enabled()) return false;
  const std::vector<std::uint8_t> bytes = EncodeResume(record);
  std::filesystem::path temporary = path_;
  temporary += kTemporarySuffix;
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  if (::close(fd) != 0 || !written || ::rename(temporary.c_str(), path_.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return SyncFolder(path_);
}

bool ResumeFile::Remove() const {
  if (!enabled()) return false;
  if (::unlink(path_.c_str()) != 0) return errno == ENOENT;
  SyncFolder(path_);
  return true;
}

void ResumeFile::SetAside(const std::string& reason) const {
  std::filesystem::path aside = path_;
  aside += ".unusable-" + Stamp();
  std::error_code ec;
  for (int n = 2; std::filesystem::exists(aside, ec); ++n) {
    aside = path_;
    aside += ".unusable-" + Stamp() + "-" + std::to_string(n);
  }
  const bool moved = ::rename(path_.c_str(), aside.c_str()) == 0;
  std::fprintf(stderr, "Tarvolenka: the resume file %s is unusable (%s); %s\n", path_.c_str(),
               reason.c_str(),
               moved ? ("set aside as " + aside.filename().string()).c_str()
                     : "it could not be set aside and is ignored");
}

}  // namespace tarvolenka
