#include "history/history_file.h"

#include <cerrno>

#include "history/history_trim.h"
#include "history/past_game.h"

namespace tarvolenka {
namespace {

SaveResult Failure(const std::filesystem::path& file, const std::string& what,
                   const FileResult& cause) {
  return FileFailure(cause.file.empty() ? file.string() : cause.file, what + ": " + cause.error,
                     cause.errorCode);
}

constexpr std::string_view kGameKind = "\"kind\":\"game\"";

// The whole file, when it is a regular one of a size the history can reach.
FileRead ReadAll(const std::filesystem::path& path) {
  FileRead read = ReadHead(path, kHistoryMaxBytes + 1, LinkRule::Refuse);
  if (read.result && read.bytes.size() > kHistoryMaxBytes) {
    read.bytes.clear();
    read.result = FileFailure(path.string(), "too large", EFBIG);
  }
  return read;
}

// Writes `contents` beside `path` and renames it over `path`, so that a reader sees the old
// file or the new one whole. `sync` flushes it to the disk first, for what must outlive the
// machine, not only the process.
SaveResult ReplaceWhole(const std::filesystem::path& path, std::string_view contents, bool sync,
                        const char* cannotReplace) {
  const FileResult replaced = ReplaceFile(path, contents, {LinkRule::Refuse, sync, 0});
  if (replaced) return {};
  return Failure(path, cannotReplace, replaced);
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
    const FileRead read = ReadAll(path_);
    if (!read.result) return Failure(path_, "cannot read the history", read.result);
    const std::string& all = read.bytes;
    games_ = 0;
    for (std::size_t at = all.find(kGameKind); at != std::string::npos;
         at = all.find(kGameKind, at + 1)) {
      ++games_;
    }
    if (!all.empty() && all.back() != '\n') record += '\n';
  }
  record.reserve(line.size() + 2);
  record.append(line);
  record += '\n';
  const FileResult written = AppendToFile(path_, record);
  if (!written) return Failure(path_, "cannot append to the history", written);
  if (game) ++games_;
  if (games_ > kHistoryTrimAbove) return Trim();
  return {};
}

SaveResult HistoryFile::KeepOpenGame(std::string_view line) {
  if (!keeps()) return {};
  return ReplaceWhole(openGamePath(), std::string(line) + '\n', false,
                      "cannot keep the game under way");
}

std::optional<OpenGame> HistoryFile::TakeOpenGame() {
  if (!keeps()) return std::nullopt;
  // One record line: anything longer is not one.
  const FileRead read = ReadHead(openGamePath(), kOpenGameMaxBytes, LinkRule::Refuse);
  std::string line = read.result && read.size <= static_cast<off_t>(kOpenGameMaxBytes)
                         ? read.bytes
                         : std::string();
  DropOpenGame();
  while (!line.empty() && line.back() == '\n') line.pop_back();
  if (line.empty()) return std::nullopt;
  std::optional<GameRecord> record = ParseOpenGame(line);
  return OpenGame{std::move(line), std::move(record)};
}

void HistoryFile::DropOpenGame() {
  if (keeps()) RemoveFile(openGamePath());
}

HistoryLines HistoryFile::Read() const {
  return keeps() ? ReadAllRecords(path_) : HistoryLines{};
}

HistoryLines HistoryFile::ReadRecent(int games) const {
  return keeps() ? ReadRecentRecords(path_, games) : HistoryLines{};
}

SaveResult HistoryFile::Trim(std::int64_t keep) {
  if (!keeps()) return {};
  const OpenedFile history = OpenForReading(path_, LinkRule::Refuse);
  if (!history.result) return Failure(path_, "cannot read the history", history.result);
  if (history.absent) return {};
  const PreparedTrim trim = PrepareTrim(path_, history.fd.get(), history.size, keep);
  FileResult result = trim.result;
  if (result && !trim.temporary.empty()) result = FinishTrim(path_, trim).result;
  if (!result) return Failure(path_, "cannot replace the history with its trimmed copy", result);
  games_ = trim.keptGameLines;
  return {};
}

}  // namespace tarvolenka
