#pragma once

// What a window paints on its surface under its elements: the mega bonus's chasing bulbs, the
// level-up's planks, the celebratory frame of the bonus result and the timed bonus, the
// double-up's ladder rails, the statistics' paper cards, the meze's plates and covered dishes.

#include <QPainter>
#include <functional>

#include "catalogue/windows.h"

namespace tarvolenka::qt {

// `shown` tells whether an element of the window is visible. Decorations wholly outside `exposed`
// may be left out.
void DecorateWindow(QPainter& p, WindowId window, const std::function<bool(ElementRef)>& shown,
                    const QRect& exposed);

}  // namespace tarvolenka::qt
