#pragma once

// A picture of a window painted at a device pixel ratio, for the gallery and the README.

#include <QPixmap>
#include <QWidget>

namespace tarvolenka::qt {

// Paints `window` afresh into a pixmap of its size times `ratio`: text and drawings are laid
// down at that ratio, not enlarged from a smaller picture.
QPixmap ShootWindow(QWidget& window, qreal ratio);

}  // namespace tarvolenka::qt
