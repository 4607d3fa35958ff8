#include "core/file_notices.h"

#include <filesystem>

#include "core/save_messages.h"

namespace tarvolenka {
namespace {

struct RoleWords {
  const char* failed;  // the notice's opening, in Bulgarian
  const char* what;    // the log's subject, in English
};

constexpr std::array<RoleWords, static_cast<std::size_t>(FileRole::Count)> kRoleWords{{
    {"Играта не е записана", "the game"},
    {"Незавършената игра не е записана", "the game in progress"},
    {"Историята не е записана", "the history"},
    {"Настройките не са записани", "the settings"},
}};

// The file the player can look for: the one that blocked, by its name alone.
std::string Blocking(const FileResult& result, const std::string& file) {
  if (result.file.empty()) return file;
  return std::filesystem::path(result.file).filename().string();
}

}  // namespace

FileNotices::Change FileNotices::Report(FileRole role, const std::string& file,
                                        const FileResult& result) {
  const std::size_t i = Index(role);
  FileResult& last = last_[i];
  names_[i] = file;
  Change change;
  change.changed = result.ok() != last.ok() || result.error != last.error;
  if (change.changed) {
    const RoleWords& words = kRoleWords[i];
    if (result.ok()) {
      change.logLine = std::string("Tarvolenka: ") + words.what + " is written again to " + file;
    } else {
      change.logLine = std::string("Tarvolenka: ") + words.what + " could not be saved to " +
                       (result.file.empty() ? file : result.file) + ": " + result.error +
                       "; the file keeps what it held, and the next write tries again";
    }
  }
  last = result;
  return change;
}

bool FileNotices::failing() const {
  for (const FileResult& result : last_)
    if (!result.ok()) return true;
  return false;
}

std::string FileNotices::Notice() const {
  for (std::size_t i = 0; i < last_.size(); ++i) {
    const FileResult& result = last_[i];
    if (result.ok()) continue;
    return std::string(kRoleWords[i].failed) + " във „" + Blocking(result, names_[i]) +
           "“: " + ReasonForPlayer(result.errorCode, result.error) +
           ". Нов опит при следващия запис.";
  }
  return {};
}

}  // namespace tarvolenka
