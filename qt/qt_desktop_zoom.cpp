// The Qt desktop's zoom: one factor for all windows, pictures rasterised for it.

#include <QScreen>
#include <algorithm>

#include "qt/element_widgets.h"
#include "qt/qt_desktop.h"
#include "qt/window_view.h"
#include "qt/zoom.h"
#include "qt/zoom_view.h"

namespace tarvolenka::qt {

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
    // The window grows or shrinks about its centre, kept on the screen.
    const QPoint centre = w.view->geometry().center();
    w.canvas->SetZoom(zoom);
    QRect frame(QPoint(), w.view->size());
    frame.moveCenter(centre);
    if (const QScreen* screen = w.view->screen()) {
      const QRect area = screen->availableGeometry();
      frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() - frame.width())));
      frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() - frame.height())));
    }
    w.view->move(frame.topLeft());
  }
}

void QtDesktop::SetZoomPercent(int percent) {
  percent = ClampZoom(percent);
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
