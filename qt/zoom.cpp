#include "qt/zoom.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>
#include <charconv>
#include <cstdio>

#include "core/settings_file.h"

namespace tarvolenka::qt {
namespace {

constexpr auto kZoomSection = "window";
constexpr auto kZoomKey = "zoomPercent";

// The desktop's usual configuration folder, e.g. ~/.config/Tarvolenka/Tarvolenka.ini.
SettingsFile UserSettings() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  SettingsFile settings(std::filesystem::path(QFile::encodeName(folder).toStdString()) /
                        "Tarvolenka" / "Tarvolenka.ini");
  if (const FileResult& loaded = settings.Load(); !loaded)
    std::fprintf(stderr,
                 "Tarvolenka: the settings in %s cannot be read (%s); the defaults play, and the "
                 "file is left as it is\n",
                 loaded.file.c_str(), loaded.error.c_str());
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

int LoadZoom(QSize mainWindow) {
  const SettingsFile settings = UserSettings();
  if (const auto stored = AsInt(settings.Value(kZoomSection, kZoomKey))) return ClampZoom(*stored);
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? FittingZoom(mainWindow, screen->availableGeometry().size())
                           : kZoomMinPercent;
}

void SaveZoom(int percent) {
  SettingsFile settings = UserSettings();
  settings.SetValue(kZoomSection, kZoomKey, std::to_string(ClampZoom(percent)));
  if (!settings.loaded()) return;  // said at the load; the file is left as it is
  if (const FileResult saved = settings.Save(); !saved)
    std::fprintf(stderr, "Tarvolenka: the zoom could not be saved to %s: %s\n", saved.file.c_str(),
                 saved.error.c_str());
}

}  // namespace tarvolenka::qt
