#pragma once

#include <functional>

class QWidget;

namespace tarvolenka::qt {

// Runs `action` from the event loop once `window` has painted its first frame, so that work the
// first frame does not need waits behind it rather than in front of it.
void AfterFirstFrame(QWidget* window, std::function<void()> action);

}  // namespace tarvolenka::qt
