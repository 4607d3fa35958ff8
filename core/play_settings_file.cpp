#include "core/play_settings_file.h"

#include "core/settings_file.h"

namespace tarvolenka {

PlaySettings PlaySettingsFile::Load(FileResult& read) const {
  read = {};
  if (path_.empty()) return {};
  SettingsFile file(path_);
  read = file.Load();
  return ReadPlaySettings(file);
}

FileResult PlaySettingsFile::Save(const PlaySettings& settings) const {
  if (path_.empty()) return {};
  SettingsFile file(path_);
  if (const FileResult read = file.Load(); !read) return read;
  WritePlaySettings(settings, file);
  return file.Save();
}

}  // namespace tarvolenka
