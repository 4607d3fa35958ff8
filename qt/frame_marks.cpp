#include "qt/frame_marks.h"

#include <unistd.h>

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace tarvolenka::qt {
namespace {

void Print(const char* what) {
  const auto us = std::chrono::duration_cast<std::chrono::microseconds>(
                      std::chrono::system_clock::now().time_since_epoch())
                      .count();
  char line[80];
  const int n =
      std::snprintf(line, sizeof line, "frame-mark %s %lld\n", what, static_cast<long long>(us));
  [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line, static_cast<size_t>(n));
}

// Watches the widget until it shows, then its window for the first exposure: a widget window
// paints and flushes inside its expose handler, so the next turn of the loop sees the frame.
class Marks : public QObject {
 public:
  explicit Marks(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Show && window_->windowHandle() &&
        !watching_) {
      watching_ = true;
      window_->windowHandle()->installEventFilter(this);
    } else if (watched == window_->windowHandle() && event->type() == QEvent::Expose &&
               window_->windowHandle()->isExposed()) {
      Print("exposed");
      window_->windowHandle()->removeEventFilter(this);
      window_->removeEventFilter(this);
      QTimer::singleShot(0, this, [] { Print("first-frame"); });
    }
    return false;
  }

 private:
  QWidget* window_;
  bool watching_ = false;
};

}  // namespace

void MarkFirstFrame(QWidget* window) {
  if (std::getenv("TARVOLENKA_FRAME_MARKS") != nullptr) new Marks(window);
}

}  // namespace tarvolenka::qt
