#pragma once

class QWidget;

namespace tarvolenka::qt {

// For bench/startup.sh: with TARVOLENKA_FRAME_MARKS set, prints to stderr the wall-clock time
// (microseconds since the epoch) at which `window` is first exposed and at which its first
// frame has been painted and handed to the window system. Without the variable it does nothing.
void MarkFirstFrame(QWidget* window);

}  // namespace tarvolenka::qt
