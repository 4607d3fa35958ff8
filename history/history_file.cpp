#include "history/history_file.h"

#include <cerrno>

#include "history/past_game.h"

namespace tarvolenka {
namespace {

SaveResult Failure(const std::filesystem::path& file, const std::string& what,
                   const FileResult& cause) {
  return FileFailure(cause.file.empty() ? file.string() : cause.file, what + ": " + cause.error,
                     cause.errorCode);
}

constexpr std::string_view kGameKind = "\"kind\":\"game\"";

bool IsGame(std::string_view line) {
  return RecordKind(line) == "game";
}

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
  // Read raw: the kept part is copied as it stands, only the dropped part is parsed.
  FileRead read = ReadAll(path_);
  if (!read.result) return Failure(path_, "cannot read the history", read.result);
  std::string all = std::move(read.bytes);
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
      ReplaceWhole(path_, contents, true, "cannot replace the history with its trimmed copy");
  if (!replaced.ok()) return replaced;
  games_ = fromEnd;
  return {};
}

}  // namespace tarvolenka
