#include "qt/zoom_view.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QPainter>
#include <cmath>

namespace tarvolenka::qt {
namespace {

// The content widget: the window's surface painted first, then its elements over it.
class Content : public QWidget {
 public:
  std::function<void(QPainter&, const QRect&)> background;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!background) return;
    QPainter p(this);
    background(p, rect());
  }
};

}  // namespace

ZoomView::ZoomView(QWidget* window, QSize logicalSize)
    : QGraphicsView(window), logicalSize_(logicalSize), content_(new Content) {
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                 QPainter::SmoothPixmapTransform);
  setBackgroundBrush(window->palette().color(QPalette::Window));
  content_->setFixedSize(logicalSize);
  content_->setPalette(window->palette());
  content_->setAutoFillBackground(true);
  content_->setFont(window->font());
  auto* scene = new QGraphicsScene(this);
  scene->setSceneRect(QRectF(QPointF(0, 0), QSizeF(logicalSize)));
  setScene(scene);
  SetZoom(1.0);
}

void ZoomView::SetBackground(std::function<void(QPainter&, const QRect&)> paint) {
  static_cast<Content*>(content_)->background = std::move(paint);
  content_->setAutoFillBackground(false);
}

ZoomView::~ZoomView() {
  if (!embedded_) delete content_;  // otherwise the scene's
}

void ZoomView::SetZoom(qreal zoom) {
  setTransform(QTransform::fromScale(zoom, zoom));
  const QSize size(static_cast<int>(std::ceil(logicalSize_.width() * zoom)),
                   static_cast<int>(std::ceil(logicalSize_.height() * zoom)));
  setGeometry(QRect(QPoint(0, 0), size));
  window()->setFixedSize(size);
}

void ZoomView::showEvent(QShowEvent* event) {
  if (!embedded_) {
    scene()->addWidget(content_);
    embedded_ = true;
  }
  if (content_->isHidden()) content_->show();
  QGraphicsView::showEvent(event);
}

}  // namespace tarvolenka::qt
