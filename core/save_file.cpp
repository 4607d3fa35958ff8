#include "core/save_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

namespace tarvolenka {
namespace {

constexpr bool FieldsTileTheState() {
  std::size_t next = 0;
  for (const SaveField& field : kSaveFields) {
    if (field.offset != next) return false;
    next += field.size;
  }
  return next == kSaveSize;
}
static_assert(FieldsTileTheState(), "the save fields must cover the 120 bytes in order");
static_assert(sizeof(GameState) == kSaveSize && offsetof(GameState, LineCount) == 16 &&
                  offsetof(GameState, Experience) == 48 && offsetof(GameState, BonusStage) == 96 &&
                  offsetof(GameState, BonusDueTime) == 104 && offsetof(GameState, SoundOn) == 112,
              "the field table follows the offsets noted in GameState");

// Symbolic links followed before a chain counts as a loop, as the kernel does.
constexpr int kMaxLinkHops = 40;

constexpr const char* kTemporarySuffix = ".new";

class UniqueFd {
 public:
  explicit UniqueFd(int fd = -1) : fd_(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
      Reset();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  ~UniqueFd() { Reset(); }

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now and answers whether the close reported no error (a delayed write error shows
  // up here on some file systems).
  bool Close() {
    const int fd = std::exchange(fd_, -1);
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  void Reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  int fd_;
};

std::string ErrorText(int code) {
  return std::strerror(code);
}

const char* FileKind(mode_t mode) {
  if (S_ISDIR(mode)) return "directory";
  if (S_ISFIFO(mode)) return "FIFO";
  if (S_ISCHR(mode)) return "character device";
  if (S_ISBLK(mode)) return "block device";
  if (S_ISSOCK(mode)) return "socket";
  if (S_ISLNK(mode)) return "symbolic link";
  return "unknown kind";
}

std::string NotARegularFile(mode_t mode) {
  return std::string("not a regular file (") + FileKind(mode) + ")";
}

// Opens a folder for use with the *at calls. Read access lets the folder be fsynced; a folder
// we may only search still works through O_PATH.
UniqueFd OpenFolder(int at, const std::filesystem::path& folder) {
  const char* name = folder.empty() ? "." : folder.c_str();
  int fd = ::openat(at, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0 && errno == EACCES) fd = ::openat(at, name, O_PATH | O_DIRECTORY | O_CLOEXEC);
  return UniqueFd(fd);
}

// The save's file, as a name inside an open folder, after following any symbolic links. Every
// call on it is relative to the folder, so no path longer than the ones given is ever built.
struct Location {
  UniqueFd folder;
  std::string name;
  std::filesystem::path folderPath;  // only to name the temporary file to WriteTemporary's caller
  bool throughLink = false;
  int error = 0;  // errno when the folder could not be reached or a link not followed
};

Location Locate(const std::filesystem::path& path) {
  Location at;
  at.folderPath = path.parent_path();
  at.folder = OpenFolder(AT_FDCWD, at.folderPath);
  if (!at.folder.valid()) {
    at.error = errno;
    return at;
  }
  at.name = path.filename().string();
  for (int hops = 0;; ++hops) {
    if (at.name.empty() || at.name == "." || at.name == "..") {
      at.error = EISDIR;
      return at;
    }
    char target[PATH_MAX];
    const ssize_t length = ::readlinkat(at.folder.get(), at.name.c_str(), target, sizeof target);
    if (length < 0) {
      // EINVAL: not a link, the file itself. ENOENT: nothing there, for the caller to judge.
      if (errno != EINVAL && errno != ENOENT) at.error = errno;
      return at;
    }
    if (hops == kMaxLinkHops) {
      at.error = ELOOP;
      return at;
    }
    if (static_cast<std::size_t>(length) == sizeof target) {
      at.error = ENAMETOOLONG;
      return at;
    }
    std::filesystem::path next(std::string(target, static_cast<std::size_t>(length)));
    if (!next.has_filename()) next = next.parent_path();  // "target/" names "target"
    at.throughLink = true;
    if (next.has_parent_path()) {
      // A relative target is relative to the link's folder, which is the open one.
      UniqueFd folder = OpenFolder(at.folder.get(), next.parent_path());
      if (!folder.valid()) {
        at.error = errno;
        return at;
      }
      at.folder = std::move(folder);
      at.folderPath = next.is_absolute() ? next.parent_path() : at.folderPath / next.parent_path();
    }
    at.name = next.filename().string();
  }
}

std::string TemporaryName(const std::string& name) {
  return name + kTemporarySuffix;
}

// The first bytes of the save, at most 120.
struct Head {
  LoadStatus status = LoadStatus::Absent;
  SaveBytes raw{};
  std::size_t count = 0;
  std::string reason;
  int errorCode = 0;
};

Head Unusable(std::string reason, int errorCode) {
  Head head;
  head.status = LoadStatus::Unusable;
  head.reason = std::move(reason);
  head.errorCode = errorCode;
  return head;
}

Head ReadHead(const std::filesystem::path& path) {
  if (path.empty()) return {};
  const Location at = Locate(path);
  if (at.error == ENOENT && at.throughLink) return Unusable("dangling symbolic link", ENOENT);
  if (at.error == ENOENT) return {};  // the folder is missing, so is the file
  if (at.error != 0) return Unusable(ErrorText(at.error), at.error);

  // Look before opening: opening a FIFO or a device can block or act on the device.
  struct stat seen {};
  if (::fstatat(at.folder.get(), at.name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) != 0) {
    const int error = errno;
    if (error == ENOENT && at.throughLink) return Unusable("dangling symbolic link", ENOENT);
    if (error == ENOENT) return {};
    return Unusable(ErrorText(error), error);
  }
  if (!S_ISREG(seen.st_mode)) return Unusable(NotARegularFile(seen.st_mode), 0);

  const UniqueFd fd(::openat(at.folder.get(), at.name.c_str(),
                             O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW));
  if (!fd.valid()) return Unusable(ErrorText(errno), errno);
  struct stat opened {};
  if (::fstat(fd.get(), &opened) != 0) return Unusable(ErrorText(errno), errno);
  if (!S_ISREG(opened.st_mode)) return Unusable(NotARegularFile(opened.st_mode), 0);

  Head head;
  while (head.count < kSaveSize) {
    const ssize_t n = ::pread(fd.get(), head.raw.data() + head.count, kSaveSize - head.count,
                              static_cast<off_t>(head.count));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Unusable("read error: " + ErrorText(errno), errno);
    if (n == 0) break;
    head.count += static_cast<std::size_t>(n);
  }
  const bool blank = std::all_of(head.raw.begin(), head.raw.begin() + head.count,
                                 [](std::uint8_t b) { return b == 0; });
  head.status = blank ? LoadStatus::NewGame : LoadStatus::Loaded;
  return head;
}

bool WriteAllAt(int fd, const std::uint8_t* data, std::size_t size, off_t offset) {
  while (size > 0) {
    const ssize_t n = ::pwrite(fd, data, size, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
    offset += n;
  }
  return true;
}

// Copies [from, to) of `source` to the same place in `target` through a bounded buffer, leaving
// blocks of zeros unwritten so they stay holes in the new file.
bool CopyThroughBuffer(int source, int target, off_t from, off_t to) {
  std::vector<std::uint8_t> buffer(64 * 1024);
  while (from < to) {
    const auto want = static_cast<std::size_t>(std::min<off_t>(to - from, buffer.size()));
    const ssize_t n = ::pread(source, buffer.data(), want, from);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;  // the file shrank under us; the final size is set by the caller
    const auto end = buffer.begin() + n;
    if (std::any_of(buffer.begin(), end, [](std::uint8_t b) { return b != 0; }) &&
        !WriteAllAt(target, buffer.data(), static_cast<std::size_t>(n), from))
      return false;
    from += n;
  }
  return true;
}

// Copies [from, to) in the kernel; falls back to the buffer where the kernel cannot copy
// between these files.
bool CopyRange(int source, int target, off_t from, off_t to) {
  while (from < to) {
    loff_t in = from;
    loff_t out = from;
    const ssize_t n =
        ::copy_file_range(source, &in, target, &out, static_cast<std::size_t>(to - from), 0);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP ||
                  errno == EBADF))
      return CopyThroughBuffer(source, target, from, to);
    if (n < 0) return false;
    if (n == 0) return true;
    from += n;
  }
  return true;
}

// Copies the bytes of `source` from `from` to `size` into `target` at the same offsets, only
// where the source holds data: holes are skipped, so a sparse tail costs neither time nor disk.
bool CopyTail(int source, int target, off_t from, off_t size) {
  off_t position = from;
  while (position < size) {
    off_t data = ::lseek(source, position, SEEK_DATA);
    if (data < 0 && errno == ENXIO) return true;  // only a hole remains
    off_t hole = size;
    if (data < 0) {
      data = position;  // no hole support here: all of it is data
    } else {
      hole = ::lseek(source, data, SEEK_HOLE);
      if (hole < 0 || hole > size) hole = size;
    }
    if (data >= size) return true;
    if (!CopyRange(source, target, data, hole)) return false;
    position = hole;
  }
  return true;
}

// A written and flushed temporary file beside the save's file, not yet renamed.
struct Temporary {
  Location at;
  std::string name;
  SaveResult result;
};

SaveResult Failure(std::string error, int errorCode) {
  return {std::move(error), errorCode};
}

// The save's old file, when there is one.
struct OldFile {
  bool exists = false;
  struct stat status {};
};

SaveResult CheckReplaceable(const Location& at, OldFile& old) {
  if (at.error == ENOENT && at.throughLink) return Failure("dangling symbolic link", ENOENT);
  if (at.error != 0) return Failure(ErrorText(at.error), at.error);
  if (::fstatat(at.folder.get(), at.name.c_str(), &old.status, AT_SYMLINK_NOFOLLOW) != 0) {
    if (errno == ENOENT && at.throughLink) return Failure("dangling symbolic link", ENOENT);
    if (errno != ENOENT) return Failure(ErrorText(errno), errno);
    return {};
  }
  old.exists = true;
  if (!S_ISREG(old.status.st_mode)) return Failure(NotARegularFile(old.status.st_mode), EINVAL);
  // A save nobody may write was made read-only on purpose; root passes the access check, so the
  // mode bits are asked too.
  if (::faccessat(at.folder.get(), at.name.c_str(), W_OK, AT_EACCESS) != 0)
    return Failure(ErrorText(errno), errno);
  if ((old.status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
    return Failure(ErrorText(EACCES), EACCES);
  return {};
}

Temporary WriteTemporaryFile(const std::filesystem::path& path, const SaveBytes& bytes) {
  Temporary temp;
  if (path.empty()) {
    temp.result = Failure("no save file", EINVAL);
    return temp;
  }
  temp.at = Locate(path);
  OldFile old;
  temp.result = CheckReplaceable(temp.at, old);
  if (!temp.result) return temp;
  const int folder = temp.at.folder.get();
  temp.name = TemporaryName(temp.at.name);

  // A leftover from a save that died is replaced; it never holds anything the save lacks.
  ::unlinkat(folder, temp.name.c_str(), 0);
  UniqueFd fd(::openat(folder, temp.name.c_str(),
                       O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                       old.exists ? 0600 : 0644));
  if (!fd.valid()) {
    temp.result = Failure(ErrorText(errno), errno);
    return temp;
  }
  const auto fail = [&](int error) {
    fd.Close();
    ::unlinkat(folder, temp.name.c_str(), 0);
    temp.result = Failure(ErrorText(error), error);
    return std::move(temp);
  };

  if (old.exists) {
    // The new file takes the old one's owner and mode. Either may be refused (another user's
    // file, a file system without modes); the save still lands, as ours.
    if (old.status.st_uid != ::geteuid() || old.status.st_gid != ::getegid())
      (void)::fchown(fd.get(), old.status.st_uid, old.status.st_gid);
    (void)::fchmod(fd.get(), old.status.st_mode & 07777);
  }
  if (!WriteAllAt(fd.get(), bytes.data(), bytes.size(), 0)) return fail(errno);

  if (old.exists && old.status.st_size > static_cast<off_t>(kSaveSize)) {
    const UniqueFd source(::openat(folder, temp.at.name.c_str(),
                                   O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW));
    struct stat opened {};
    if (!source.valid() || ::fstat(source.get(), &opened) != 0) return fail(errno);
    if (!S_ISREG(opened.st_mode)) return fail(EINVAL);
    if (opened.st_size > static_cast<off_t>(kSaveSize)) {
      if (!CopyTail(source.get(), fd.get(), kSaveSize, opened.st_size)) return fail(errno);
      if (::ftruncate(fd.get(), opened.st_size) != 0) return fail(errno);
    }
  }
  if (::fsync(fd.get()) != 0) return fail(errno);
  if (!fd.Close()) {
    const int error = errno;
    ::unlinkat(folder, temp.name.c_str(), 0);
    temp.result = Failure(ErrorText(error), error);
  }
  return temp;
}

}  // namespace

std::uint32_t FieldsWithin(std::size_t length) {
  std::uint32_t fields = 0;
  for (std::size_t i = 0; i < kSaveFields.size(); ++i)
    if (kSaveFields[i].offset + kSaveFields[i].size <= length) fields |= 1u << i;
  return fields;
}

SaveBytes CompleteShortSave(std::span<const std::uint8_t> held, DateTime now) {
  SaveBytes bytes = Encode(NewGameState(now));
  for (const SaveField& field : kSaveFields) {
    if (field.offset + field.size > held.size()) break;
    std::copy_n(held.begin() + static_cast<std::ptrdiff_t>(field.offset), field.size,
                bytes.begin() + static_cast<std::ptrdiff_t>(field.offset));
  }
  return bytes;
}

LoadResult SaveFile::Load(DateTime now) const {
  RemoveLeftoverTemporary();
  Head head = ReadHead(path_);
  LoadResult result;
  result.status = head.status;
  result.reason = std::move(head.reason);
  result.errorCode = head.errorCode;
  result.heldBytes = head.count;
  if (head.status == LoadStatus::Loaded) {
    result.heldFields = FieldsWithin(head.count);
    result.bytes = CompleteShortSave(std::span(head.raw).first(head.count), now);
  } else {
    result.bytes = Encode(NewGameState(now));
  }
  return result;
}

SaveResult SaveFile::SetAside(const std::string& name) const {
  if (path_.empty()) return Failure("no save file", EINVAL);
  const std::filesystem::path aside = path_.parent_path() / name;
  if (::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) != 0)
    return Failure(ErrorText(errno), errno);
  return {};
}

bool SaveFile::RemoveLeftoverTemporary() const {
  if (path_.empty()) return false;
  const auto removeBeside = [](int folder, const std::string& name) {
    const std::string temp = TemporaryName(name);
    struct stat status {};
    return ::fstatat(folder, temp.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISREG(status.st_mode) && ::unlinkat(folder, temp.c_str(), 0) == 0;
  };
  bool removed = false;
  // Beside the path as given: where a save went before it wrote through links.
  const UniqueFd folder = OpenFolder(AT_FDCWD, path_.parent_path());
  if (folder.valid() && path_.has_filename())
    removed = removeBeside(folder.get(), path_.filename().string());
  const Location at = Locate(path_);
  if (at.throughLink && at.error == 0) removed = removeBeside(at.folder.get(), at.name) || removed;
  return removed;
}

SaveResult SaveFile::Save(const SaveBytes& bytes) const {
  Temporary temp = WriteTemporaryFile(path_, bytes);
  if (!temp.result) return temp.result;
  const int folder = temp.at.folder.get();
  if (::renameat(folder, temp.name.c_str(), folder, temp.at.name.c_str()) != 0) {
    const int error = errno;
    ::unlinkat(folder, temp.name.c_str(), 0);
    return Failure(ErrorText(error), error);
  }
  // The rename is durable once the folder is flushed; a folder opened only to search cannot be.
  ::fsync(folder);
  return {};
}

std::optional<SaveBytes> SaveFile::Read() const {
  const Head head = ReadHead(path_);
  if (head.status != LoadStatus::Loaded || head.count < kSaveSize) return std::nullopt;
  return head.raw;
}

bool SaveFile::Write(const SaveBytes& bytes) const {
  return Save(bytes).ok();
}

std::optional<std::filesystem::path> SaveFile::WriteTemporary(const SaveBytes& bytes) const {
  const Temporary temp = WriteTemporaryFile(path_, bytes);
  if (!temp.result) return std::nullopt;
  return temp.at.folderPath / temp.name;
}

}  // namespace tarvolenka
