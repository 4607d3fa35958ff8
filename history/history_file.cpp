#include "history/history_file.h"

#include <algorithm>

#include "history/history_stats.h"
#include "history/line_reader.h"
#include "history/past_game.h"

namespace tarvolenka {
namespace {

SaveResult Failure(const std::filesystem::path& file, const std::string& what,
                   const FileResult& cause) {
  return FileFailure(cause.file.empty() ? file.string() : cause.file, what + ": " + cause.error,
                     cause.errorCode);
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

HistoryFile::~HistoryFile() {
  if (trim_ && trim_->done()) LandTrim(false);
}

SaveResult HistoryFile::Append(std::string_view line, bool game) {
  if (!keeps()) return {};
  const SaveResult landed = LandTrim(false);
  std::string record;
  if (!endChecked_) {
    if (SaveResult ended = EndTornLine(record); !ended.ok()) return ended;
  }
  if (!totals_.started()) totals_.Count(OpenForReading(path_, LinkRule::Refuse));
  record.reserve(record.size() + line.size() + 1);
  record.append(line);
  record += '\n';
  const FileResult written = AppendToFile(path_, record);
  if (!written) return Failure(path_, "cannot append to the history", written);
  const bool inSession = sessionStart_ && RecordReal(line, "t").value_or(0) >= sessionStart_();
  totals_.Add(line, game, inSession);
  if (game) StartTrimWhenDue();
  return landed;
}

// Once a run, before its first record. A last line without its line end is an append a crash
// cut short (a write may stop at a page when the process is killed). One that is a whole record
// is ended, so that it does not swallow the record that follows it; a part of one is dropped,
// as its game was never confirmed. A trimmed copy a killed run left goes.
SaveResult HistoryFile::EndTornLine(std::string& record) {
  const OpenedFile history = OpenForReading(path_, LinkRule::Refuse);
  if (!history.result) return Failure(path_, "cannot read the history", history.result);
  std::string lastByte;
  if (!history.absent && history.size > 0) {
    const FileResult read = ReadAt(history.fd.get(), history.size - 1, 1, lastByte);
    if (!read) return Failure(path_, "cannot read the history", read);
  }
  if (!lastByte.empty() && lastByte.back() != '\n') {
    std::optional<off_t> cutFrom;
    const BackwardRead read =
        ForEachLineBackward(history.fd.get(), history.size, kHistoryLineMaxBytes + (128 << 10),
                            [&cutFrom](const HistoryLine& line) {
                              if (CutShort(line)) cutFrom = line.start;
                              return false;
                            });
    if (!read.result) return Failure(path_, "cannot read the history", read.result);
    if (cutFrom) {
      if (FileResult cut = TruncateFile(path_, *cutFrom); !cut)
        return Failure(path_, "cannot drop a torn record from the history", cut);
    } else {
      record += '\n';
    }
  }
  RemoveLeftoverTemporary(path_, LinkRule::Refuse);
  endChecked_ = true;
  return {};
}

HistoryFigures HistoryFile::Figures() {
  if (!keeps()) return {};
  if (!totals_.started()) totals_.Count(OpenForReading(path_, LinkRule::Refuse));
  return totals_.Figures();
}

void HistoryFile::StartTrimWhenDue() {
  const std::optional<std::int64_t> games = totals_.gameLines();
  if (trim_ || !games || *games <= options_.trimAbove || *games < trimAgainAt_) return;
  OpenedFile history = OpenForReading(path_, LinkRule::Refuse);
  if (!history.result || history.absent) return;
  gameLinesAtTrim_ = *games;
  trim_ = std::make_unique<BackgroundJob<PreparedTrim>>(
      [path = path_, history = std::move(history),
       keep = options_.keptGames](std::stop_token stop) {
        return PrepareTrim(path, history.fd.get(), history.size, keep, stop);
      });
}

SaveResult HistoryFile::LandTrim(bool wait) {
  if (!trim_ || (!wait && !trim_->done())) return {};
  const PreparedTrim prepared = trim_->Take();
  trim_.reset();
  return Land(prepared, gameLinesAtTrim_);
}

SaveResult HistoryFile::Land(const PreparedTrim& trim,
                             std::optional<std::int64_t> gameLinesBefore) {
  FileResult result = trim.result;
  if (result && !trim.temporary.empty()) {
    FinishedTrim finished = FinishTrim(path_, trim);
    result = std::move(finished.result);
    release_ = std::make_unique<BackgroundJob<bool>>(
        [old = std::move(finished.replaced)](std::stop_token) mutable {
          const OpenedFile closing = std::move(old);
          return true;
        });
  }
  if (!result) {
    // Tried again some games later rather than at every game.
    trimAgainAt_ = totals_.gameLines().value_or(0) +
                   std::max<std::int64_t>(1, (options_.trimAbove - options_.keptGames) / 10);
    return Failure(path_, "cannot replace the history with its trimmed copy", result);
  }
  if (gameLinesBefore) totals_.Trimmed(*gameLinesBefore - trim.keptGameLines, trim.droppedDamaged);
  return {};
}

SaveResult HistoryFile::Trim(std::int64_t keep) {
  if (!keeps()) return {};
  if (SaveResult landed = LandTrim(true); !landed.ok()) return landed;
  const OpenedFile history = OpenForReading(path_, LinkRule::Refuse);
  if (!history.result) return Failure(path_, "cannot read the history", history.result);
  if (history.absent) return {};
  const std::optional<std::int64_t> before = totals_.gameLines();
  return Land(PrepareTrim(path_, history.fd.get(), history.size, keep), before);
}

SaveResult HistoryFile::Settle() {
  totals_.Wait();
  return LandTrim(true);
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

std::vector<PastGame> HistoryFile::ReadRecentGames(int count) const {
  return keeps() ? tarvolenka::ReadRecentGames(path_, count) : std::vector<PastGame>{};
}

}  // namespace tarvolenka
