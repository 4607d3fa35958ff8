#pragma once

// The one way the game opens its files. Every file it reads or writes (the save, the resume
// file, the history and its kept game, the settings, the picture cache, the lock) may be
// anything a broken or hostile system leaves at its path: a FIFO, a device, a folder, a link
// to /dev/zero, a file of terabytes. So the kind is looked at before any open that could
// block, only regular files are read or written, links are followed only where the caller
// says the file's contract allows it, reads stop at a size the caller states, and every
// failure comes back with the file that blocked, for a notice and one line on standard error.

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvolenka {

// Whether a symbolic link at the path is followed to its target. Only the save's contract
// follows links; everywhere else a link is refused, as any other file that is not regular.
enum class LinkRule : std::uint8_t { Follow, Refuse };

// An open descriptor, closed when it goes.
class UniqueFd {
 public:
  explicit UniqueFd(int fd = -1) : fd_(fd) {}
  UniqueFd(UniqueFd&& other) noexcept;
  UniqueFd& operator=(UniqueFd&& other) noexcept;
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  ~UniqueFd() { Reset(); }

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now and answers whether the close reported no error (a delayed write error shows
  // up here on some file systems).
  bool Close();

 private:
  void Reset();
  int fd_;
};

// How a file operation ended. `error` is empty when it worked; otherwise it is why, in English,
// with the errno behind it when there is one, and `file` is the path that blocked: the file
// itself, or its temporary or its folder when that is what stood in the way.
struct FileResult {
  std::string error;
  int errorCode = 0;
  std::string file;

  bool ok() const { return error.empty(); }
  explicit operator bool() const { return ok(); }
};

FileResult FileFailure(std::string file, std::string error, int errorCode);

// The system's words for an errno.
std::string ErrorText(int code);

// "not a regular file (FIFO)": the reason a file of another kind is refused.
std::string NotARegularFile(mode_t mode);

// The file's name as a temporary beside it: "<name>.new".
std::string TemporaryName(const std::string& name);

// A regular file, opened for reading without blocking and checked to be regular both before
// and after the open. `absent` when nothing is at the path.
struct OpenedFile {
  UniqueFd fd;
  bool absent = false;
  off_t size = 0;
  FileResult result;
};
OpenedFile OpenForReading(const std::filesystem::path& path, LinkRule links);

// At most `limit` bytes of an open file from `offset`; fewer at its end. Fails on a read error.
FileResult ReadAt(int fd, off_t offset, std::size_t limit, std::string& bytes);

// What a bounded read found.
struct FileRead {
  bool absent = false;
  std::string bytes;  // at most the limit asked for
  off_t size = 0;     // the whole file's size, which may be larger
  FileResult result;
};

// The first `limit` bytes of a regular file.
FileRead ReadHead(const std::filesystem::path& path, std::size_t limit, LinkRule links);
// The last `limit` bytes of a regular file.
FileRead ReadTail(const std::filesystem::path& path, std::size_t limit, LinkRule links);

struct ReplaceOptions {
  LinkRule links = LinkRule::Refuse;
  // Flushed to the disk, and the folder after the rename: for what must outlive the machine,
  // not only the process.
  bool durable = true;
  // Bytes of the old file past this offset are carried over, holes kept, so that what a file
  // holds beyond what we write is never lost. Zero carries nothing.
  off_t keepTailFrom = 0;
};

// Replaces the whole file without ever leaving a torn one: the new contents go to "<name>.new"
// beside it (a leftover regular file of that name is replaced; anything else there blocks and
// is named), and are renamed over the file. The new file takes the old one's owner and mode. A
// file without write permission, or not a regular file, is not replaced.
FileResult ReplaceFile(const std::filesystem::path& path, std::string_view contents,
                       const ReplaceOptions& options = {});

// The first half of ReplaceFile: the temporary written and flushed, not yet renamed. Its path is
// returned in `temporary`.
FileResult WriteTemporaryFile(const std::filesystem::path& path, std::string_view contents,
                              const ReplaceOptions& options, std::filesystem::path& temporary);

// The second half: renames a temporary that WriteTemporaryFile began (and AppendToFile may have
// added to) over its file, and flushes the folder when `durable`. The temporary goes on failure.
FileResult CommitTemporaryFile(const std::filesystem::path& temporary,
                               const std::filesystem::path& path, bool durable);

// Appends `bytes` in one write to a regular file, created when absent; never through a link.
// `durable` flushes the file to the disk before it returns.
FileResult AppendToFile(const std::filesystem::path& path, std::string_view bytes,
                        bool durable = false);

// Cuts a regular file back to `size` bytes, never through a link; a shorter file is left alone.
FileResult TruncateFile(const std::filesystem::path& path, off_t size);

// Removes a regular file or a link itself; absent is fine, a folder or other kind is refused.
FileResult RemoveFile(const std::filesystem::path& path);

// Removes "<name>.new" beside the file (beside a link's target too, when links are followed)
// when it is a regular file: left by a write that died. Answers whether one was removed.
bool RemoveLeftoverTemporary(const std::filesystem::path& path, LinkRule links);

// Renames the file (a link itself, never its target) to `name` in its folder, never over an
// existing file.
FileResult RenameAside(const std::filesystem::path& path, const std::string& name);

// Takes an exclusive lock on a regular file, created when absent, without waiting: the kernel
// releases it when the holder dies. `held` is false when another process holds it.
struct FileLock {
  UniqueFd fd;
  bool held = false;
  FileResult result;
};
FileLock LockFile(const std::filesystem::path& path);

}  // namespace tarvolenka
