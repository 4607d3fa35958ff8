#include "tests/support/virtual_desktop.h"

namespace tarvolenka::testing {

ClickResult VirtualDesktop::Press(Key key) {
  const WindowId window = inputWindow();
  if (!IsShown(window)) return ClickResult::NotInputWindow;
  const auto target = KeyTarget(window, key, [this](ElementRef e) { return Visible(e); });
  WindowLogic* logic = windows_[Index(window)].logic;
  if (!target && logic == nullptr) return ClickResult::NoHandler;
  // As the Qt desktop routes a key: to its element's handler, wherever the element lies (F1's
  // on the main window has no face to click), or, when it clicks nothing, to the window itself.
  if (!holds_.empty()) {
    ++discardedActions_;
    return ClickResult::Paused;
  }
  if (target) return Handle(*target);
  if (!logic->KeyPressed(key)) return ClickResult::NoHandler;
  if (handling_ == 0) Settle();
  return ClickResult::Handled;
}

void VirtualDesktop::ThenPress(int delayMs, Key key) {
  Then(delayMs, [this, key] { Press(key); });
}

}  // namespace tarvolenka::testing
