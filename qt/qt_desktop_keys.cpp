// The Qt desktop's keyboard: game keys route as the clicks they stand for, and the zoom.

#include <QApplicationStateChangeEvent>
#include <QWidget>

#include "qt/keyboard.h"
#include "qt/qt_desktop.h"
#include "qt/window_view.h"
#include "qt/zoom.h"

namespace tarvolenka::qt {

bool QtDesktop::SwallowsHeldKey(const QObject* watched, const QEvent& event) {
  if (event.type() == QEvent::ApplicationStateChange &&
      static_cast<const QApplicationStateChangeEvent&>(event).applicationState() !=
          Qt::ApplicationActive) {
    heldKeys_.Clear();
    return false;
  }
  // A release goes to the window that has the keyboard then, so a key that opens or closes a
  // window can lose it there; taken for held, the key would swallow its next press. A window
  // taking the keyboard starts the count afresh (the toolkit still marks a held key's repeats).
  if (event.type() == QEvent::FocusIn && watched->isWindowType()) {
    heldKeys_.Clear();
    return false;
  }
  // A key event reaches the window first, once, and then the widgets from the focus up; the
  // window's delivery is where each press and release is counted.
  if (!watched->isWindowType()) return false;
  if (event.type() == QEvent::KeyRelease) heldKeys_.Release(static_cast<const QKeyEvent&>(event));
  return event.type() == QEvent::KeyPress && !heldKeys_.Press(static_cast<const QKeyEvent&>(event));
}

bool QtDesktop::HandleKey(QObject* watched, const QKeyEvent& event) {
  auto* receiver = qobject_cast<QWidget*>(watched);
  if (receiver == nullptr) return false;
  const ZoomKey zoom = ZoomKeyOf(event);
  if (zoom != ZoomKey::None) {
    if (event.isAutoRepeat()) return true;
    const int step = zoom == ZoomKey::In ? kZoomStepPercent : -kZoomStepPercent;
    SetZoomPercent(zoom == ZoomKey::Reset ? kZoomMinPercent : zoomPercent_ + step);
    return true;
  }
  const std::optional<Key> key = GameKeyOf(event);
  if (!key) return false;
  // The key goes to the game window it was typed in; the toolkit's modality keeps it from the
  // windows beneath a modal one.
  const QWidget* top = receiver->window();
  for (std::size_t i = 0; i < windows_.size(); ++i) {
    if (windows_[i].view != top) continue;
    // A held key repeats nothing; the repeats are swallowed so the focus does not act on them.
    if (event.isAutoRepeat()) return true;
    const auto id = static_cast<WindowId>(i);
    const auto target = KeyTarget(id, *key, [this](ElementRef ref) {
      const QWidget* w = this->widget(ref);
      return w != nullptr && !w->isHidden();
    });
    if (target)
      RouteClick(*target);
    else
      RouteKey(id, *key);
    return true;
  }
  return false;
}

void QtDesktop::AddKeyHints(WindowId id) {
  const Window& w = windows_[static_cast<std::size_t>(id)];
  for (std::size_t i = 0; i < w.elements.size(); ++i) {
    QWidget* element = w.elements[i].widget;
    const std::string hint = KeyHint({id, static_cast<std::uint16_t>(i)});
    if (element == nullptr || hint.empty()) continue;
    const QString tip = element->toolTip();
    // " (Space, Enter)" after the control's own tip, or the bare keys when it has none.
    element->setToolTip(tip.isEmpty() ? QString::fromStdString(hint.substr(2, hint.size() - 3))
                                      : tip + QString::fromStdString(hint));
  }
}

}  // namespace tarvolenka::qt
