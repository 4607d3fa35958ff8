#include "tests/support/virtual_desktop.h"

namespace tarvolenka::testing {

ClickResult VirtualDesktop::Press(Key key) {
  const WindowId window = inputWindow();
  if (!IsShown(window)) return ClickResult::NotInputWindow;
  const auto target = KeyTarget(window, key, [this](ElementRef e) { return Visible(e); });
  if (!target) return ClickResult::NoHandler;
  // As the Qt desktop routes a key: to its element's handler, wherever the element lies (F1's
  // on the main window has no face to click).
  if (!holds_.empty()) {
    ++discardedActions_;
    return ClickResult::Paused;
  }
  return Handle(*target);
}

void VirtualDesktop::ThenPress(int delayMs, Key key) {
  Then(delayMs, [this, key] { Press(key); });
}

}  // namespace tarvolenka::testing
