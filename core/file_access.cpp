#include "core/file_access.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

namespace tarvolenka {
namespace {

// Symbolic links followed before a chain counts as a loop, as the kernel does.
constexpr int kMaxLinkHops = 40;

constexpr const char* kTemporarySuffix = ".new";

// Opened without blocking (a FIFO or a device would wait for a peer), never as the terminal.
constexpr int kReadFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW;

const char* FileKind(mode_t mode) {
  if (S_ISDIR(mode)) return "directory";
  if (S_ISFIFO(mode)) return "FIFO";
  if (S_ISCHR(mode)) return "character device";
  if (S_ISBLK(mode)) return "block device";
  if (S_ISSOCK(mode)) return "socket";
  if (S_ISLNK(mode)) return "symbolic link";
  return "unknown kind";
}

// Opens a folder for use with the *at calls. Read access lets the folder be fsynced; a folder
// we may only search still works through O_PATH.
UniqueFd OpenFolder(int at, const std::filesystem::path& folder) {
  const char* name = folder.empty() ? "." : folder.c_str();
  int fd = ::openat(at, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0 && errno == EACCES) fd = ::openat(at, name, O_PATH | O_DIRECTORY | O_CLOEXEC);
  return UniqueFd(fd);
}

// A file as a name inside an open folder, after following any symbolic links the rule allows.
// Every call on it is relative to the folder, so no path longer than the ones given is ever
// built, and a folder renamed meanwhile cannot send a write elsewhere.
struct Location {
  UniqueFd folder;
  std::string name;
  std::filesystem::path path;  // the file as reached, for naming it and its temporary
  bool throughLink = false;
  int error = 0;  // errno when the folder could not be reached or a link not followed
};

Location Locate(const std::filesystem::path& path, LinkRule links) {
  Location at;
  at.path = path;
  at.folder = OpenFolder(AT_FDCWD, path.parent_path());
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
    if (links == LinkRule::Refuse) return at;
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
      at.path = next.is_absolute() ? next : at.path.parent_path() / next;
    } else {
      at.path = at.path.parent_path() / next;
    }
    at.name = next.filename().string();
  }
}

std::string PathText(const std::filesystem::path& path) {
  return path.string();
}

// Why the located file cannot be used, or nothing. `absent` is set when nothing is there.
FileResult Inspect(const Location& at, struct stat& seen, bool& absent) {
  absent = false;
  const std::string file = PathText(at.path);
  if (at.error == ENOENT && at.throughLink)
    return FileFailure(file, "dangling symbolic link", ENOENT);
  if (at.error == ENOENT) {
    absent = true;  // the folder is missing, so is the file
    return {};
  }
  if (at.error != 0) return FileFailure(file, ErrorText(at.error), at.error);
  if (::fstatat(at.folder.get(), at.name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) != 0) {
    const int error = errno;
    if (error == ENOENT && at.throughLink)
      return FileFailure(file, "dangling symbolic link", ENOENT);
    if (error == ENOENT) {
      absent = true;
      return {};
    }
    return FileFailure(file, ErrorText(error), error);
  }
  if (!S_ISREG(seen.st_mode)) return FileFailure(file, NotARegularFile(seen.st_mode), EINVAL);
  return {};
}

bool WriteAllAt(int fd, const char* data, std::size_t size, off_t offset) {
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

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) {
      errno = EIO;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Copies [from, to) of `source` to the same place in `target` through a bounded buffer, leaving
// blocks of zeros unwritten so they stay holes in the new file.
bool CopyThroughBuffer(int source, int target, off_t from, off_t to) {
  std::vector<char> buffer(64 * 1024);
  while (from < to) {
    const auto want = static_cast<std::size_t>(std::min<off_t>(to - from, buffer.size()));
    const ssize_t n = ::pread(source, buffer.data(), want, from);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;  // the file shrank under us; the final size is set by the caller
    const auto end = buffer.begin() + n;
    if (std::any_of(buffer.begin(), end, [](char b) { return b != 0; }) &&
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

// The old file, when there is one, may be replaced: a regular file we may write. A file nobody
// may write was made read-only on purpose; root passes the access check, so the mode bits are
// asked too.
FileResult CheckReplaceable(const Location& at, struct stat& old, bool& exists) {
  bool absent = false;
  FileResult checked = Inspect(at, old, absent);
  exists = !absent && checked.ok();
  if (!exists) return checked;
  const std::string file = PathText(at.path);
  if (::faccessat(at.folder.get(), at.name.c_str(), W_OK, AT_EACCESS) != 0)
    return FileFailure(file, ErrorText(errno), errno);
  if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
    return FileFailure(file, ErrorText(EACCES), EACCES);
  return {};
}

// Clears the way for a new temporary: a regular leftover of a write that died is removed;
// anything else there is not ours to remove, and blocks.
FileResult ClearTemporary(int folder, const std::string& name, const std::filesystem::path& path) {
  struct stat seen {};
  if (::fstatat(folder, name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) != 0) {
    if (errno == ENOENT) return {};
    return FileFailure(PathText(path), ErrorText(errno), errno);
  }
  if (!S_ISREG(seen.st_mode))
    return FileFailure(PathText(path), "already exists: " + NotARegularFile(seen.st_mode), EEXIST);
  if (::unlinkat(folder, name.c_str(), 0) != 0)
    return FileFailure(PathText(path), ErrorText(errno), errno);
  return {};
}

struct Temporary {
  Location at;
  std::string name;
  std::filesystem::path path;
  FileResult result;
};

Temporary WriteTemporary(const std::filesystem::path& path, std::string_view contents,
                         const ReplaceOptions& options) {
  Temporary temp;
  if (path.empty()) {
    temp.result = FileFailure("", "no file", EINVAL);
    return temp;
  }
  temp.at = Locate(path, options.links);
  struct stat old {};
  bool exists = false;
  temp.result = CheckReplaceable(temp.at, old, exists);
  if (!temp.result) return temp;
  const int folder = temp.at.folder.get();
  temp.name = TemporaryName(temp.at.name);
  temp.path = temp.at.path.parent_path() / temp.name;
  temp.result = ClearTemporary(folder, temp.name, temp.path);
  if (!temp.result) return temp;

  UniqueFd fd(::openat(folder, temp.name.c_str(),
                       O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY,
                       exists ? 0600 : 0644));
  if (!fd.valid()) {
    temp.result = FileFailure(PathText(temp.path), ErrorText(errno), errno);
    return temp;
  }
  const auto fail = [&](int error) {
    fd.Close();
    ::unlinkat(folder, temp.name.c_str(), 0);
    temp.result = FileFailure(PathText(temp.path), ErrorText(error), error);
    return std::move(temp);
  };

  if (exists) {
    // The new file takes the old one's owner and mode. Either may be refused (another user's
    // file, a file system without modes); the write still lands, as ours.
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
      (void)::fchown(fd.get(), old.st_uid, old.st_gid);
    (void)::fchmod(fd.get(), old.st_mode & 07777);
  }
  if (!WriteAllAt(fd.get(), contents.data(), contents.size(), 0)) return fail(errno);

  const off_t keepFrom = options.keepTailFrom;
  if (exists && keepFrom > 0 && old.st_size > keepFrom) {
    const UniqueFd source(::openat(folder, temp.at.name.c_str(), kReadFlags));
    struct stat opened {};
    if (!source.valid() || ::fstat(source.get(), &opened) != 0) return fail(errno);
    if (!S_ISREG(opened.st_mode)) return fail(EINVAL);
    if (opened.st_size > keepFrom) {
      if (!CopyTail(source.get(), fd.get(), keepFrom, opened.st_size)) return fail(errno);
      if (::ftruncate(fd.get(), opened.st_size) != 0) return fail(errno);
    }
  }
  if (options.durable && ::fsync(fd.get()) != 0) return fail(errno);
  if (!fd.Close()) {
    const int error = errno;
    ::unlinkat(folder, temp.name.c_str(), 0);
    temp.result = FileFailure(PathText(temp.path), ErrorText(error), error);
  }
  return temp;
}

}  // namespace

UniqueFd::UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
  if (this != &other) {
    Reset();
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

bool UniqueFd::Close() {
  const int fd = std::exchange(fd_, -1);
  return fd < 0 || ::close(fd) == 0;
}

void UniqueFd::Reset() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

FileResult FileFailure(std::string file, std::string error, int errorCode) {
  return {std::move(error), errorCode, std::move(file)};
}

std::string ErrorText(int code) {
  return std::strerror(code);
}

std::string NotARegularFile(mode_t mode) {
  return std::string("not a regular file (") + FileKind(mode) + ")";
}

std::string TemporaryName(const std::string& name) {
  return name + kTemporarySuffix;
}

OpenedFile OpenForReading(const std::filesystem::path& path, LinkRule links) {
  OpenedFile opened;
  if (path.empty()) {
    opened.absent = true;
    return opened;
  }
  const Location at = Locate(path, links);
  struct stat seen {};
  opened.result = Inspect(at, seen, opened.absent);
  if (!opened.result || opened.absent) return opened;
  const std::string file = PathText(at.path);
  opened.fd = UniqueFd(::openat(at.folder.get(), at.name.c_str(), kReadFlags));
  if (!opened.fd.valid()) {
    const int error = errno;
    if (error == ENOENT) {
      opened.absent = true;  // removed between the look and the open
      return opened;
    }
    opened.result = FileFailure(file, ErrorText(error), error);
    return opened;
  }
  // Swapped for another kind between the look and the open.
  if (::fstat(opened.fd.get(), &seen) != 0) {
    opened.result = FileFailure(file, ErrorText(errno), errno);
  } else if (!S_ISREG(seen.st_mode)) {
    opened.result = FileFailure(file, NotARegularFile(seen.st_mode), EINVAL);
  }
  if (!opened.result) {
    opened.fd = UniqueFd();
    return opened;
  }
  opened.size = seen.st_size;
  return opened;
}

FileResult ReadAt(int fd, off_t offset, std::size_t limit, std::string& bytes) {
  bytes.resize(limit);
  std::size_t count = 0;
  while (count < limit) {
    const ssize_t n =
        ::pread(fd, bytes.data() + count, limit - count, offset + static_cast<off_t>(count));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      bytes.clear();
      return FileFailure("", "read error: " + ErrorText(error), error);
    }
    if (n == 0) break;
    count += static_cast<std::size_t>(n);
  }
  bytes.resize(count);
  return {};
}

namespace {

FileRead ReadSpan(const std::filesystem::path& path, std::size_t limit, LinkRule links,
                  bool fromEnd) {
  FileRead read;
  OpenedFile opened = OpenForReading(path, links);
  read.absent = opened.absent;
  read.result = std::move(opened.result);
  if (!read.result || read.absent) return read;
  read.size = opened.size;
  const off_t lastPart = std::max<off_t>(0, opened.size - static_cast<off_t>(limit));
  const off_t from = fromEnd ? lastPart : 0;
  read.result = ReadAt(opened.fd.get(), from, limit, read.bytes);
  if (!read.result) read.result.file = path.string();
  return read;
}

}  // namespace

FileRead ReadHead(const std::filesystem::path& path, std::size_t limit, LinkRule links) {
  return ReadSpan(path, limit, links, false);
}

FileRead ReadTail(const std::filesystem::path& path, std::size_t limit, LinkRule links) {
  return ReadSpan(path, limit, links, true);
}

FileResult WriteTemporaryFile(const std::filesystem::path& path, std::string_view contents,
                              const ReplaceOptions& options, std::filesystem::path& temporary) {
  Temporary temp = WriteTemporary(path, contents, options);
  if (temp.result) temporary = temp.path;
  return temp.result;
}

namespace {

// Renames the temporary `from` over `to`, both names in `folder`.
FileResult RenameOver(int folder, const std::string& from, const std::string& to,
                      const std::filesystem::path& shown, bool durable) {
  if (::renameat(folder, from.c_str(), folder, to.c_str()) != 0) {
    const int error = errno;
    ::unlinkat(folder, from.c_str(), 0);
    return FileFailure(PathText(shown), ErrorText(error), error);
  }
  // The rename is durable once the folder is flushed; a folder opened only to search cannot be.
  if (durable) ::fsync(folder);
  return {};
}

}  // namespace

FileResult ReplaceFile(const std::filesystem::path& path, std::string_view contents,
                       const ReplaceOptions& options) {
  Temporary temp = WriteTemporary(path, contents, options);
  if (!temp.result) return temp.result;
  return RenameOver(temp.at.folder.get(), temp.name, temp.at.name, temp.at.path, options.durable);
}

FileResult CommitTemporaryFile(const std::filesystem::path& temporary,
                               const std::filesystem::path& path, bool durable) {
  if (temporary.parent_path() != path.parent_path())
    return FileFailure(PathText(temporary), "not beside " + PathText(path), EXDEV);
  const UniqueFd folder = OpenFolder(AT_FDCWD, path.parent_path());
  if (!folder.valid()) return FileFailure(PathText(path), ErrorText(errno), errno);
  return RenameOver(folder.get(), temporary.filename().string(), path.filename().string(), path,
                    durable);
}

FileResult AppendToFile(const std::filesystem::path& path, std::string_view bytes, bool durable) {
  if (path.empty()) return FileFailure("", "no file", EINVAL);
  const Location at = Locate(path, LinkRule::Refuse);
  struct stat seen {};
  bool absent = false;
  if (FileResult checked = Inspect(at, seen, absent); !checked) return checked;
  const std::string file = PathText(at.path);
  const UniqueFd fd(::openat(
      at.folder.get(), at.name.c_str(),
      O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW | O_NONBLOCK, 0644));
  if (!fd.valid()) return FileFailure(file, ErrorText(errno), errno);
  if (::fstat(fd.get(), &seen) != 0) return FileFailure(file, ErrorText(errno), errno);
  if (!S_ISREG(seen.st_mode)) return FileFailure(file, NotARegularFile(seen.st_mode), EINVAL);
  if (!WriteAll(fd.get(), bytes)) return FileFailure(file, ErrorText(errno), errno);
  if (durable && ::fsync(fd.get()) != 0) return FileFailure(file, ErrorText(errno), errno);
  return {};
}

FileResult TruncateFile(const std::filesystem::path& path, off_t size) {
  const Location at = Locate(path, LinkRule::Refuse);
  struct stat seen {};
  bool absent = false;
  if (FileResult checked = Inspect(at, seen, absent); !checked || absent) return checked;
  const std::string file = PathText(at.path);
  const UniqueFd fd(::openat(at.folder.get(), at.name.c_str(),
                             O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW | O_NONBLOCK));
  if (!fd.valid()) return FileFailure(file, ErrorText(errno), errno);
  if (::fstat(fd.get(), &seen) != 0) return FileFailure(file, ErrorText(errno), errno);
  if (!S_ISREG(seen.st_mode)) return FileFailure(file, NotARegularFile(seen.st_mode), EINVAL);
  if (seen.st_size > size && ::ftruncate(fd.get(), size) != 0)
    return FileFailure(file, ErrorText(errno), errno);
  return {};
}

FileResult RemoveFile(const std::filesystem::path& path) {
  if (path.empty()) return {};
  const UniqueFd folder = OpenFolder(AT_FDCWD, path.parent_path());
  const std::string name = path.filename().string();
  if (!folder.valid())
    return errno == ENOENT ? FileResult{} : FileFailure(path, ErrorText(errno), errno);
  struct stat seen {};
  if (::fstatat(folder.get(), name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) != 0)
    return errno == ENOENT ? FileResult{} : FileFailure(path, ErrorText(errno), errno);
  if (!S_ISREG(seen.st_mode) && !S_ISLNK(seen.st_mode))
    return FileFailure(path, NotARegularFile(seen.st_mode), EINVAL);
  if (::unlinkat(folder.get(), name.c_str(), 0) != 0 && errno != ENOENT)
    return FileFailure(path, ErrorText(errno), errno);
  return {};
}

bool RemoveLeftoverTemporary(const std::filesystem::path& path, LinkRule links) {
  if (path.empty() || !path.has_filename()) return false;
  const auto removeBeside = [](int folder, const std::string& name) {
    const std::string temp = TemporaryName(name);
    struct stat status {};
    return ::fstatat(folder, temp.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISREG(status.st_mode) && ::unlinkat(folder, temp.c_str(), 0) == 0;
  };
  bool removed = false;
  // Beside the path as given: where a write goes when the file is no link.
  const UniqueFd folder = OpenFolder(AT_FDCWD, path.parent_path());
  if (folder.valid()) removed = removeBeside(folder.get(), path.filename().string());
  if (links == LinkRule::Follow) {
    const Location at = Locate(path, links);
    if (at.throughLink && at.error == 0)
      removed = removeBeside(at.folder.get(), at.name) || removed;
  }
  return removed;
}

FileResult RenameAside(const std::filesystem::path& path, const std::string& name) {
  if (path.empty()) return FileFailure("", "no file", EINVAL);
  const std::filesystem::path aside = path.parent_path() / name;
  if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) != 0)
    return FileFailure(path, ErrorText(errno), errno);
  return {};
}

FileLock LockFile(const std::filesystem::path& path) {
  FileLock lock;
  const Location at = Locate(path, LinkRule::Refuse);
  struct stat seen {};
  bool absent = false;
  lock.result = Inspect(at, seen, absent);
  if (!lock.result) return lock;
  const std::string file = PathText(at.path);
  lock.fd =
      UniqueFd(::openat(at.folder.get(), at.name.c_str(),
                        O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW | O_NONBLOCK, 0600));
  if (!lock.fd.valid()) {
    lock.result = FileFailure(file, ErrorText(errno), errno);
    return lock;
  }
  if (::fstat(lock.fd.get(), &seen) != 0 || !S_ISREG(seen.st_mode)) {
    lock.result = FileFailure(file, NotARegularFile(seen.st_mode), EINVAL);
    lock.fd = UniqueFd();
    return lock;
  }
  while (::flock(lock.fd.get(), LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) lock.result = FileFailure(file, ErrorText(errno), errno);
    return lock;
  }
  lock.held = true;
  return lock;
}

}  // namespace tarvolenka
