#include "qt/zoom_view.h"

#include <QAccessibleWidget>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QPainter>
#include <cmath>

namespace tarvolenka::qt {
namespace {

class ViewAccessible : public QAccessibleWidget {
 public:
  explicit ViewAccessible(ZoomView* view) : QAccessibleWidget(view, QAccessible::Pane) {}
  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(Content()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && child->object() == Content() ? 0 : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    QAccessibleInterface* content = child(0);
    return content != nullptr && content->rect().contains(x, y) ? content : nullptr;
  }

 private:
  QWidget* Content() const { return static_cast<ZoomView*>(widget())->content(); }
};

class ContentAccessible : public QAccessibleWidget {
 public:
  explicit ContentAccessible(ZoomContent* content)
      : QAccessibleWidget(content, QAccessible::Pane), view_(content->view()) {}
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(view_);
  }

 private:
  ZoomView* view_;
};

}  // namespace

void ZoomContent::paintEvent(QPaintEvent* event) {
  if (!background) return;
  QPainter p(this);
  background(p, rect(), event->rect());
}

QAccessibleInterface* ZoomAccessible(QObject* object) {
  if (auto* view = qobject_cast<ZoomView*>(object)) return new ViewAccessible(view);
  if (auto* content = qobject_cast<ZoomContent*>(object)) return new ContentAccessible(content);
  return nullptr;
}

ZoomView::ZoomView(QWidget* window, QSize logicalSize)
    : QGraphicsView(window), logicalSize_(logicalSize), content_(new ZoomContent(this)) {
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

void ZoomView::SetBackground(std::function<void(QPainter&, const QRect&, const QRect&)> paint) {
  content_->background = std::move(paint);
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
