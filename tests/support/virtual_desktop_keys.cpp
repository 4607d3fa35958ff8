#include "tests/support/virtual_desktop.h"

namespace tarvolenka::testing {

ClickResult VirtualDesktop::Press(Key key) {
  const WindowId window = inputWindow();
  if (!IsShown(window)) return ClickResult::NotInputWindow;
  const auto target = KeyTarget(window, key, [this](ElementRef e) { return Visible(e); });
  if (!target) return ClickResult::NoHandler;
  return Click(*target);
}

void VirtualDesktop::ThenPress(int delayMs, Key key) {
  Then(delayMs, [this, key] { Press(key); });
}

}  // namespace tarvolenka::testing
