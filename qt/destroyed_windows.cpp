#include "qt/destroyed_windows.h"

#include <xcb/xproto.h>

#include <QCoreApplication>
#include <QTimer>
#include <utility>

namespace tarvolenka::qt {

DestroyedWindows::DestroyedWindows(std::function<void(WId)> destroyed)
    : destroyed_(std::move(destroyed)) {
  QCoreApplication::instance()->installNativeEventFilter(this);
}

DestroyedWindows::~DestroyedWindows() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

bool DestroyedWindows::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  // The top bit marks an event another client sent, which destroys nothing.
  if (event->response_type != XCB_DESTROY_NOTIFY) return false;
  const WId window = reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window;
  // Handled from the event loop, not in the middle of the toolkit's reading of events.
  QTimer::singleShot(0, this, [this, window] { destroyed_(window); });
  return false;
}

}  // namespace tarvolenka::qt
