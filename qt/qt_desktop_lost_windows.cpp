// The Qt desktop when the display server destroys one of its windows behind its back.

#include "qt/qt_desktop.h"
#include "qt/window_view.h"

namespace tarvolenka::qt {

void QtDesktop::NativeWindowDestroyed(WId native) {
  for (std::size_t i = 0; i < windows_.size(); ++i)
    if (windows_[i].view != nullptr && windows_[i].view->internalWinId() == native)
      return LoseWindow(static_cast<WindowId>(i));
}

void QtDesktop::LoseWindow(WindowId id) {
  // Refused as the window refuses its close box, it comes back to the player.
  const bool refused = id != WindowId::Main && IsShown(id) && !WindowSystemClose(id);
  if (id == WindowId::Main) EndSession();
  // Hidden while the toolkit still holds the native window, which keeps the toolkit's idea of
  // what shows true; the server answers with an error the toolkit logs and lets pass.
  WindowView* view = Built(id).view;
  view->hide();
  view->ForgetNativeWindow();
  if (refused) view->show();
}

}  // namespace tarvolenka::qt
