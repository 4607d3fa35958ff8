#include "qt/window_shot.h"

namespace tarvolenka::qt {

QPixmap ShootWindow(QWidget& window, qreal ratio) {
  QPixmap shot(window.size() * ratio);
  shot.setDevicePixelRatio(ratio);
  shot.fill(Qt::transparent);
  window.render(&shot);
  return shot;
}

}  // namespace tarvolenka::qt
