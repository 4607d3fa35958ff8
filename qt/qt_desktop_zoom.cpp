// The Qt desktop's zoom: one factor for all windows, pictures rasterised for it.

#include <QScreen>
#include <algorithm>

#include "qt/element_widgets.h"
#include "qt/qt_desktop.h"
#include "qt/window_view.h"
#include "qt/zoom.h"
#include "qt/zoom_view.h"

namespace tarvolenka::qt {
namespace {

// What the window manager's frame adds round a window not shown yet, so not measured: a title
// bar and thin borders.
constexpr Extent kUnmeasuredFrame{8, 32};

// Every window must fit at the zoom, and each is centred when it opens: the largest width and
// the largest height decide.
Extent LargestWindow() {
  Extent largest;
  for (int i = 0; i < kWindowCount; ++i) {
    const WindowSpec& desc = SpecOf(static_cast<WindowId>(i));
    largest.width = std::max(largest.width, desc.width);
    largest.height = std::max(largest.height, desc.height);
  }
  return largest;
}

// The top left that brings `frame` inside `area`, moved no further than it must be.
QPoint OnScreen(const QRect& frame, const QRect& area) {
  const int right = std::max(area.left(), area.left() + area.width() - frame.width());
  const int bottom = std::max(area.top(), area.top() + area.height() - frame.height());
  return {std::clamp(frame.left(), area.left(), right),
          std::clamp(frame.top(), area.top(), bottom)};
}

}  // namespace

int QtDesktop::ZoomLimit() const {
  const QWidget* main = windows_[static_cast<std::size_t>(WindowId::Main)].view;
  const QScreen* screen = main->screen();
  if (screen == nullptr) return kZoomMaxPercent;
  Extent frame = kUnmeasuredFrame;
  if (main->isVisible()) {
    const QSize measured = main->frameGeometry().size() - main->size();
    frame = {measured.width(), measured.height()};
  }
  const QSize area = screen->availableGeometry().size();
  return LargestFittingZoom(LargestWindow(), frame, {area.width(), area.height()});
}

void QtDesktop::SetZoom(int percent) {
  percent = ClampZoom(percent);
  if (percent == zoomPercent_) return;
  zoomPercent_ = percent;
  const qreal zoom = percent / 100.0;
  pictures_.SetDevicePixelRatio(screenRatio_ * zoom);
  pictures_.Prefetch(PicturesAtStart());
  RenderPicturesAgain();
  for (Window& w : windows_)
    if (w.logic != nullptr) w.logic->Redraw();
  for (Window& w : windows_) {
    if (w.view == nullptr) continue;  // built at the zoom of its day
    // The window grows or shrinks about its centre, its frame kept whole on the screen: the
    // title bar is how the player moves it.
    const QRect before = w.view->frameGeometry();
    const QRect inside = w.view->geometry();
    const QMargins margins(inside.left() - before.left(), inside.top() - before.top(),
                           before.right() - inside.right(), before.bottom() - inside.bottom());
    w.canvas->SetZoom(zoom);
    QRect frame(QPoint(), w.view->size().grownBy(margins));
    frame.moveCenter(before.center());
    if (const QScreen* screen = w.view->screen())
      frame.moveTopLeft(OnScreen(frame, screen->availableGeometry()));
    w.view->move(frame.topLeft());  // a window's position is its frame's
  }
}

void QtDesktop::SetZoomPercent(int percent) {
  percent = ClampZoom(percent);
  // No step up past the largest that fits the screen; a zoom already past it, chosen on a larger
  // screen, goes no further.
  if (percent > zoomPercent_) percent = std::max(zoomPercent_, std::min(percent, ZoomLimit()));
  if (percent == zoomPercent_) return;
  SetZoom(percent);
  if (onZoomChanged) onZoomChanged(percent);
}

void QtDesktop::RenderPicturesAgain() {
  const qreal dpr = pictures_.devicePixelRatio();
  for (std::size_t i = 0; i < windows_.size(); ++i) {
    for (std::size_t e = 0; e < windows_[i].elements.size(); ++e) {
      Element& el = windows_[i].elements[e];
      // Rasterised again when next used; a blank cell made again.
      if (el.picture != Picture::None || el.kind == Kind::CellBuffer) el.pixmap = QPixmap();
      ShowPictureOf(ElementRef{static_cast<WindowId>(i), static_cast<std::uint16_t>(e)});
      if (auto* box = dynamic_cast<PaintBoxWidget*>(el.widget)) box->SetPixelRatio(dpr);
    }
  }
}

}  // namespace tarvolenka::qt
