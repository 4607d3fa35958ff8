#include "history/history_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "history/past_game.h"

namespace tarvolenka {
namespace {

SaveResult Failure(const std::string& what, int code) {
  return {what + ": " + std::strerror(code), code};
}

constexpr std::string_view kGameKind = "\"kind\":\"game\"";

bool IsGame(std::string_view line) {
  return RecordKind(line) == "game";
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return std::move(buffer).str();
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Writes `contents` beside `path` and renames it over `path`, so that a reader sees the old
// file or the new one whole. `sync` flushes it to the disk first, for what must outlive the
// machine, not only the process.
SaveResult ReplaceWhole(const std::filesystem::path& path, std::string_view contents, bool sync,
                        const char* cannotWrite, const char* cannotReplace) {
  const std::filesystem::path temp = path.string() + ".new";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return Failure(cannotWrite, errno);
  const bool written = WriteAll(fd, contents) && (!sync || ::fsync(fd) == 0);
  const int code = errno;
  ::close(fd);
  if (!written || ::rename(temp.c_str(), path.c_str()) != 0) {
    const int failed = written ? errno : code;
    ::unlink(temp.c_str());
    return Failure(cannotReplace, failed == 0 ? EIO : failed);
  }
  return {};
}

}  // namespace

std::filesystem::path HistoryPathBeside(const std::filesystem::path& save) {
  if (save.empty()) return {};
  return save.parent_path() / kHistoryFileName;
}

SaveResult HistoryFile::Append(std::string_view line, bool game) {
  if (!keeps()) return {};
  std::string record;
  if (games_ < 0) {
    // Counted raw, once a run. A last line torn by a crash is ended first, so that it does not
    // swallow the record that follows it.
    const std::string all = ReadAll(path_);
    games_ = 0;
    for (std::size_t at = all.find(kGameKind); at != std::string::npos;
         at = all.find(kGameKind, at + 1)) {
      ++games_;
    }
    if (!all.empty() && all.back() != '\n') record += '\n';
  }
  const int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return Failure("cannot open the history", errno);
  record.reserve(line.size() + 2);
  record.append(line);
  record += '\n';
  const bool written = WriteAll(fd, record);
  const int code = errno;
  ::close(fd);
  if (!written) return Failure("cannot append to the history", code == 0 ? EIO : code);
  if (game) ++games_;
  if (games_ > kHistoryTrimAbove) return Trim();
  return {};
}

SaveResult HistoryFile::KeepOpenGame(std::string_view line) {
  if (!keeps()) return {};
  return ReplaceWhole(openGamePath(), std::string(line) + '\n', false,
                      "cannot keep the game under way", "cannot keep the game under way");
}

std::optional<OpenGame> HistoryFile::TakeOpenGame() {
  if (!keeps()) return std::nullopt;
  std::string line = ReadAll(openGamePath());
  DropOpenGame();
  while (!line.empty() && line.back() == '\n') line.pop_back();
  if (line.empty()) return std::nullopt;
  std::optional<GameRecord> record = ParseOpenGame(line);
  return OpenGame{std::move(line), std::move(record)};
}

void HistoryFile::DropOpenGame() {
  if (keeps()) ::unlink(openGamePath().c_str());
}

HistoryLines HistoryFile::Read() const {
  HistoryLines read;
  if (!keeps()) return read;
  std::ifstream in(path_, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    HistoryStats probe;
    if (probe.Add(line)) {
      read.lines.push_back(std::move(line));
    } else {
      ++read.damaged;
    }
  }
  return read;
}

SaveResult HistoryFile::Trim(std::int64_t keep) {
  if (!keeps()) return {};
  // Read raw: the kept part is copied as it stands, only the dropped part is parsed.
  std::string all = ReadAll(path_);
  if (!all.empty() && all.back() != '\n') all += '\n';
  // The oldest kept game opens the kept part; what followed a game (its double-up, a level-up)
  // goes with it.
  std::int64_t fromEnd = 0;
  std::size_t cut = 0;
  std::size_t end = all.size();  // the line in hand is [from, end)
  if (end > 0 && all[end - 1] == '\n') --end;
  while (true) {
    const std::size_t newline = end == 0 ? std::string::npos : all.rfind('\n', end - 1);
    const std::size_t from = newline == std::string::npos ? 0 : newline + 1;
    if (IsGame(std::string_view(all).substr(from, end - from)) && ++fromEnd == keep) {
      cut = from;
      break;
    }
    if (from == 0) break;
    end = from - 1;
  }
  if (cut == 0) {
    games_ = fromEnd;
    return {};
  }
  // The dropped records, the old totals among them, become the new totals.
  HistoryStats totals;
  for (std::size_t at = 0; at < cut;) {
    std::size_t next = all.find('\n', at);
    if (next == std::string::npos || next > cut) next = cut;
    totals.Add(std::string_view(all).substr(at, next - at));
    at = next + 1;
  }
  std::string contents = totals.TotalsLine() + '\n';
  contents.append(all, cut);

  const SaveResult replaced =
      ReplaceWhole(path_, contents, true, "cannot write the trimmed history",
                   "cannot replace the history with its trimmed copy");
  if (!replaced.ok()) return replaced;
  games_ = fromEnd;
  return {};
}

}  // namespace tarvolenka
