#include "qt/session_end.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <cstdlib>

#include "qt/qt_desktop.h"

namespace tarvolenka::qt {
namespace {

constexpr std::array<int, 4> kSignals{SIGTERM, SIGINT, SIGHUP, SIGQUIT};

// The self-pipe: the handler writes a byte, the event loop reads it.
int pipeFds[2] = {-1, -1};

// The desktop to save through when the program exits while the game runs.
QtDesktop* runningDesktop = nullptr;

// Something ended the program while the game runs, as the toolkit does when the display is
// lost: the game is saved, and the program ends there. Going on would tear down the toolkit's
// statics while picture workers may still be drawing with them.
void SaveOnExit() {
  if (runningDesktop == nullptr) return;
  runningDesktop->SaveBeforeExit();
  std::_Exit(EXIT_FAILURE);
}

sigset_t SignalSet() {
  sigset_t set;
  sigemptyset(&set);
  for (int s : kSignals) sigaddset(&set, s);
  return set;
}

void OnSignal(int) {
  const int saved = errno;  // only async-signal-safe calls here
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(pipeFds[1], &byte, 1);
  errno = saved;
}

}  // namespace

void SessionEnd::HoldSignals() {
  const sigset_t set = SignalSet();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

SessionEnd::SessionEnd(QtDesktop& desktop) : desktop_(desktop) {
  if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) == 0) {
    auto* notifier = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
      char drain[16];
      while (::read(pipeFds[0], drain, sizeof drain) > 0) {
      }
      End();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kSignals) sigaction(s, &action, nullptr);
  }
  const sigset_t set = SignalSet();
  pthread_sigmask(SIG_UNBLOCK, &set, nullptr);

#ifndef QT_NO_SESSIONMANAGER
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { End(); });
#endif
  connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { End(); });
  qApp->installEventFilter(this);

  static const bool registered = std::atexit(SaveOnExit) == 0;
  if (registered) runningDesktop = &desktop_;
}

SessionEnd::~SessionEnd() {
  runningDesktop = nullptr;
  qApp->removeEventFilter(this);
  for (int s : kSignals) ::signal(s, SIG_DFL);
  for (int& fd : pipeFds) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

bool SessionEnd::eventFilter(QObject* watched, QEvent* event) {
  // A request to quit (the session manager's, the platform's) ends the game like the others
  // instead of closing its windows one by one behind its back.
  if (watched == qApp && event->type() == QEvent::Quit) {
    End();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void SessionEnd::End() {
  desktop_.EndSession();
}

}  // namespace tarvolenka::qt
