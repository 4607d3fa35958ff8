#include "qt/window_icon.h"

namespace tarvolenka::qt {

QIcon WindowIcon(const QPixmap& art) {
  QIcon icon;
  if (art.isNull()) return icon;
  for (const int size : {16, 24, 32, 48, 64, 128}) {
    QPixmap scaled = art.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(1.0);  // so many pixels are so large an icon
    icon.addPixmap(scaled);
  }
  return icon;
}

}  // namespace tarvolenka::qt
