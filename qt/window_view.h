#pragma once

#include <QDialog>
#include <functional>

#include "catalogue/windows.h"

namespace tarvolenka::qt {

class QtDesktop;

// One window of the game as the toolkit shows it: fixed size, its caption and background.
// Closing by the window system (close box, Escape) is handed to the game, which decides.
class WindowView : public QDialog {
 public:
  // Every window but the main one is a dialog of `owner`, the main window: the window manager
  // keeps it above the main window and, being the owner's, offers it no minimise of its own.
  WindowView(QtDesktop& desktop, const WindowSpec& desc, QWidget* owner);

  WindowId id() const { return id_; }
  // Closes the window on the game's behalf, past the window-system guard.
  void CloseByGame();
  // Lets go of a native window the display server has destroyed; the window shows in a new one
  // when it next shows.
  void ForgetNativeWindow() { destroy(); }

 public:
  void reject() override;
  // Enter never closes a game window; only the game or the window system does.
  void accept() override {}

 protected:
  void closeEvent(QCloseEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  QtDesktop& desktop_;
  WindowId id_;
  Rgb background_;
  bool closingByGame_ = false;
  bool inCloseEvent_ = false;       // the window system's close is being decided
  bool closedDuringEvent_ = false;  // ...and the game closed the window meanwhile
};

}  // namespace tarvolenka::qt
