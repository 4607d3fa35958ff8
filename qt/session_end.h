#pragma once

#include <QObject>

namespace tarvolenka::qt {

class QtDesktop;

// Ends the game as closing its main window does when the session ends without that: SIGTERM,
// SIGINT, SIGHUP or SIGQUIT, the desktop session's end (its request to commit data), or a request
// to quit. The signals reach the game through a pipe watched by the event loop, so they are handled
// by the event loop, never inside the handler. A lost display
// connection ends the program by exit() from inside the platform plugin; an exit handler saves the
// game then, as long as a SessionEnd lives.
class SessionEnd : public QObject {
 public:
  // Holds the four signals back until a SessionEnd watches for them. Call it first thing in
  // main, before any thread exists, so that every thread inherits the mask and the signals
  // reach the main thread once it lets them in; a signal sent during start-up then waits.
  static void HoldSignals();

  // Installs the handlers and lets the held signals in. Made before the game starts, so that a
  // question asked during start-up cannot hold the signals back; until the main window shows,
  // they end the program without touching the save (QtDesktop::EndSession).
  explicit SessionEnd(QtDesktop& desktop);
  ~SessionEnd() override;
  SessionEnd(const SessionEnd&) = delete;
  SessionEnd& operator=(const SessionEnd&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void End();

  QtDesktop& desktop_;
};

}  // namespace tarvolenka::qt
