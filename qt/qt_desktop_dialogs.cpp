// The Qt desktop's dialogs when the window manager minimises one of them on its own.

#include "qt/qt_desktop.h"
#include "qt/window_view.h"

namespace tarvolenka::qt {

void QtDesktop::RestoreDialogs() {
  // A minimised modal dialog would leave the main window frozen with nothing to answer, so
  // restoring the main window restores the dialogs open over it.
  const QWidget* main = windows_[static_cast<std::size_t>(WindowId::Main)].view;
  if (main->isMinimized()) return;
  for (const Window& w : windows_)
    if (w.view != main && w.view != nullptr && w.shown && w.view->isMinimized())
      w.view->showNormal();
}

}  // namespace tarvolenka::qt
