#include "core/settings_file.h"

#include <cerrno>
#include <sstream>
#include <string_view>

namespace tarvolenka {
namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

bool IsSection(std::string_view line, std::string_view section) {
  line = Trimmed(line);
  return line.size() >= 2 && line.front() == '[' && line.back() == ']' &&
         Trimmed(line.substr(1, line.size() - 2)) == section;
}

bool IsAnySection(std::string_view line) {
  line = Trimmed(line);
  return !line.empty() && line.front() == '[';
}

// The value when `line` sets `key`.
std::optional<std::string> ValueOf(std::string_view line, std::string_view key) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos || Trimmed(line.substr(0, equals)) != key)
    return std::nullopt;
  return std::string(Trimmed(line.substr(equals + 1)));
}

}  // namespace

const FileResult& SettingsFile::Load() {
  lines_.clear();
  const FileRead read = ReadHead(path_, kMaxBytes + 1, LinkRule::Refuse);
  loaded_ = read.result;
  if (loaded_ && read.bytes.size() > kMaxBytes)
    loaded_ = FileFailure(path_.string(), "too large", EFBIG);
  if (loaded_) SetText(read.bytes);
  return loaded_;
}

std::optional<std::string> SettingsFile::Value(const std::string& section,
                                               const std::string& key) const {
  bool inSection = false;
  for (const std::string& line : lines_) {
    if (IsAnySection(line)) {
      inSection = IsSection(line, section);
    } else if (inSection) {
      if (auto value = ValueOf(line, key)) return value;
    }
  }
  return std::nullopt;
}

void SettingsFile::SetValue(const std::string& section, const std::string& key,
                            const std::string& value) {
  const std::string entry = key + "=" + value;
  std::size_t header = 0;
  while (header < lines_.size() && !IsSection(lines_[header], section)) ++header;
  if (header == lines_.size()) {
    if (!lines_.empty() && !Trimmed(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + section + "]");
    lines_.push_back(entry);
    return;
  }
  // A new key goes after the section's last line that says something.
  std::size_t insertAt = header + 1;
  for (std::size_t i = header + 1; i < lines_.size() && !IsAnySection(lines_[i]); ++i) {
    if (ValueOf(lines_[i], key)) {
      lines_[i] = entry;
      return;
    }
    if (!Trimmed(lines_[i]).empty()) insertAt = i + 1;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
}

std::string SettingsFile::Text() const {
  std::string text;
  for (const std::string& line : lines_) text += line + '\n';
  return text;
}

void SettingsFile::SetText(const std::string& text) {
  lines_.clear();
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines_.push_back(line);
}

FileResult SettingsFile::Save() const {
  if (!loaded_) return loaded_;
  std::error_code error;
  std::filesystem::create_directories(path_.parent_path(), error);
  return ReplaceFile(path_, Text(), {LinkRule::Refuse, true, 0});
}

}  // namespace tarvolenka
