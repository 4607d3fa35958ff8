#include "qt/element_widgets.h"

#include <QMouseEvent>
#include <algorithm>

namespace tarvolenka::qt {

QColor ToQColor(Rgb c) {
  return QColor(c.r, c.g, c.b);
}

PictureWidget::PictureWidget(QWidget* parent, bool stretch) : QWidget(parent), stretch_(stretch) {}

void PictureWidget::SetPixmap(const QPixmap& pixmap) {
  pixmap_ = pixmap;
  if (!stretch_ && !pixmap.isNull()) resize(pixmap.deviceIndependentSize().toSize());
  update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
  if (pixmap_.isNull()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (stretch_)
    p.drawPixmap(rect(), pixmap_);
  else
    p.drawPixmap(0, 0, pixmap_);
}

void PictureWidget::mousePressEvent(QMouseEvent* e) {
  pressed_ = e->button() == Qt::LeftButton;
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* e) {
  // A click is a press and a release on the same picture.
  const bool click =
      pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
  pressed_ = false;
  if (click && onClick) onClick();
}

ShapeWidget::ShapeWidget(QWidget* parent, Rgb colour, bool rounded)
    : QWidget(parent), colour_(ToQColor(colour)), rounded_(rounded) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(colour_);
  const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  if (rounded_)
    p.drawRoundedRect(r, 12, 12);
  else
    p.drawRect(r);
}

GaugeWidget::GaugeWidget(QWidget* parent, Rgb background, Rgb bar)
    : QWidget(parent), background_(ToQColor(background)), bar_(ToQColor(bar)) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GaugeWidget::SetPosition(int position) {
  position = std::clamp(position, 0, 100);
  if (position == position_) return;
  position_ = position;
  update();
}

void GaugeWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), background_);
  const QRect inner = rect().adjusted(2, 2, -2, -2);
  p.fillRect(QRect(inner.left(), inner.top(), inner.width() * position_ / 100, inner.height()),
             bar_);
  p.setPen(QPen(QColor(0, 0, 60), 2));
  p.drawRect(rect().adjusted(1, 1, -1, -1));
}

PaintBoxWidget::PaintBoxWidget(QWidget* parent, Rgb background, QSize size, qreal dpr)
    : QWidget(parent), image_(size * dpr, QImage::Format_ARGB32_Premultiplied) {
  image_.setDevicePixelRatio(dpr);
  image_.fill(ToQColor(background));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

QPainter& PaintBoxWidget::Painter() {
  // One painter stays open across the copies of a frame and is closed when the frame shows.
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
  }
  return *painter_;
}

void PaintBoxWidget::DrawPixmap(int x, int y, const QPixmap& pixmap) {
  QPainter& p = Painter();
  p.setCompositionMode(QPainter::CompositionMode_Source);  // a plain copy, no blending
  p.drawPixmap(x, y, pixmap);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  update();
}

void PaintBoxWidget::DrawLine(const QPolygon& points, Rgb colour, int width) {
  QPainter& p = Painter();
  // Aliased strokes keep a frame with all fifty lines well under a millisecond.
  p.setPen(QPen(ToQColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(points);
  update();
}

void PaintBoxWidget::SetPixelRatio(qreal dpr) {
  painter_.reset();
  const QSizeF logical = image_.deviceIndependentSize();
  QImage image((logical * dpr).toSize(), image_.format());
  image.setDevicePixelRatio(dpr);
  QPainter p(&image);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRectF(QPointF(0, 0), logical), image_);
  p.end();
  image_ = std::move(image);
  update();
}

void PaintBoxWidget::paintEvent(QPaintEvent* e) {
  painter_.reset();
  QPainter p(this);
  p.drawImage(e->rect(), image_,
              QRectF(e->rect().topLeft() * image_.devicePixelRatio(),
                     e->rect().size() * image_.devicePixelRatio()));
}

}  // namespace tarvolenka::qt
