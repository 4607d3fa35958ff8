#include "qt/zoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <algorithm>

namespace tarvolenka::qt {
namespace {

constexpr auto kZoomKey = "window/zoomPercent";

// The desktop's usual configuration folder, e.g. ~/.config/Tarvolenka/Tarvolenka.ini.
QSettings UserSettings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tarvolenka"),
                   QStringLiteral("Tarvolenka"));
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
  const QSettings settings = UserSettings();
  bool ok = false;
  const int stored = settings.value(QLatin1String(kZoomKey)).toInt(&ok);
  if (ok) return ClampZoom(stored);
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? FittingZoom(mainWindow, screen->availableGeometry().size())
                           : kZoomMinPercent;
}

void SaveZoom(int percent) {
  QSettings settings = UserSettings();
  settings.setValue(QLatin1String(kZoomKey), ClampZoom(percent));
}

}  // namespace tarvolenka::qt
