#pragma once

#include <QMouseEvent>
#include <QRect>

namespace tarvolenka::qt {

// A click is a left-button press and a release over the same element, as on a button: a press
// dragged off the element and released elsewhere clicks nothing.
class ClickGesture {
 public:
  void Press(const QMouseEvent& e) { pressed_ = e.button() == Qt::LeftButton; }
  // Whether this release ends a click on `area`, the element's own rectangle.
  bool Release(const QMouseEvent& e, const QRect& area) {
    const bool click =
        pressed_ && e.button() == Qt::LeftButton && area.contains(e.position().toPoint());
    pressed_ = false;
    return click;
  }

 private:
  bool pressed_ = false;
};

}  // namespace tarvolenka::qt
