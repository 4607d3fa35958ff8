#include "qt/zoom.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>
#include <charconv>

#include "core/settings_file.h"

namespace tarvolenka::qt {
namespace {

constexpr auto kZoomSection = "window";
constexpr auto kZoomKey = "zoomPercent";

SettingsFile UserSettings(FileResult& read) {
  SettingsFile settings(UserSettingsPath());
  read = settings.Load();
  return settings;
}

std::optional<int> AsInt(const std::optional<std::string>& text) {
  if (!text) return std::nullopt;
  int value = 0;
  const char* end = text->data() + text->size();
  const auto [stop, error] = std::from_chars(text->data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

std::filesystem::path UserSettingsPath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return std::filesystem::path(QFile::encodeName(folder).toStdString()) / "Tarvolenka" /
         "Tarvolenka.ini";
}

int ClampZoom(int percent) {
  // Into the range first: rounding a stored value near the int's ends would overflow.
  const int inRange = std::clamp(percent, kZoomMinPercent, kZoomMaxPercent);
  const int step = (inRange - kZoomMinPercent + kZoomStepPercent / 2) / kZoomStepPercent;
  return kZoomMinPercent + step * kZoomStepPercent;
}

int FittingZoom(QSize window, QSize screen) {
  int best = kZoomMinPercent;
  for (int z = kZoomMinPercent; z <= kZoomMaxPercent; z += kZoomStepPercent) {
    // Compared in whole numbers: 3 × window × zoom% ≤ 2 × screen × 100%.
    if (3 * window.width() * z <= 2 * screen.width() * 100 &&
        3 * window.height() * z <= 2 * screen.height() * 100)
      best = z;
  }
  return best;
}

int LoadZoom(QSize mainWindow, FileResult& read) {
  const SettingsFile settings = UserSettings(read);
  if (const auto stored = AsInt(settings.Value(kZoomSection, kZoomKey))) return ClampZoom(*stored);
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? FittingZoom(mainWindow, screen->availableGeometry().size())
                           : kZoomMinPercent;
}

FileResult SaveZoom(int percent) {
  FileResult read;
  SettingsFile settings = UserSettings(read);
  if (!read) return read;  // a file that cannot be read is not written over
  settings.SetValue(kZoomSection, kZoomKey, std::to_string(ClampZoom(percent)));
  return settings.Save();
}

}  // namespace tarvolenka::qt
