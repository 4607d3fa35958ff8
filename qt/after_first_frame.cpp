#include "qt/after_first_frame.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace tarvolenka::qt {
namespace {

// Watches the widget until it shows, then its native window for the first exposure: a widget
// window paints and flushes inside its expose handler, so the next turn of the loop comes after
// the frame. (The widget's own paint event is no sign: children that cover it leave it unpainted.)
class FirstFrameWatch : public QObject {
 public:
  FirstFrameWatch(QWidget* window, std::function<void()> action)
      : QObject(window), window_(window), action_(std::move(action)) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    QWindow* native = window_->windowHandle();
    if (watched == window_ && event->type() == QEvent::Show && native != nullptr) {
      window_->removeEventFilter(this);
      native->installEventFilter(this);
    } else if (watched == native && event->type() == QEvent::Expose && native->isExposed()) {
      native->removeEventFilter(this);
      QTimer::singleShot(0, window_, std::move(action_));
      deleteLater();
    }
    return false;
  }

 private:
  QWidget* window_;
  std::function<void()> action_;
};

}  // namespace

void AfterFirstFrame(QWidget* window, std::function<void()> action) {
  new FirstFrameWatch(window, std::move(action));
}

}  // namespace tarvolenka::qt
