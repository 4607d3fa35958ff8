#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QWidget>
#include <functional>

namespace tarvolenka::qt {

// Tells when the X server has destroyed one of the program's windows at another client's
// request. The toolkit does not notice: it goes on taking the window for shown, and a modal one
// for in the way of the windows beneath, so the game would wait on a window nobody can see.
class DestroyedWindows : public QObject, public QAbstractNativeEventFilter {
 public:
  // `destroyed` gets the native id of each destroyed window, from the event loop.
  explicit DestroyedWindows(std::function<void(WId)> destroyed);
  ~DestroyedWindows() override;
  DestroyedWindows(const DestroyedWindows&) = delete;
  DestroyedWindows& operator=(const DestroyedWindows&) = delete;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  std::function<void(WId)> destroyed_;
};

}  // namespace tarvolenka::qt
