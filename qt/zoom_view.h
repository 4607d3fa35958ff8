#pragma once

#include <QGraphicsView>
#include <functional>

class QAccessibleInterface;

namespace tarvolenka::qt {

class ZoomView;

// The content widget: the window's surface painted first, then its elements over it.
class ZoomContent : public QWidget {
  Q_OBJECT

 public:
  explicit ZoomContent(ZoomView* view) : view_(view) {}
  ZoomView* view() const { return view_; }
  // Paints the surface whose bounds are `surface`; only `exposed` needs painting.
  std::function<void(QPainter&, const QRect& surface, const QRect& exposed)> background;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  ZoomView* view_;
};

// The inside of a window: a widget laid out in the catalogue's logical pixels, shown through
// one scaling transform. Painting goes through the transform, so text, shapes and lines are
// drawn at the zoomed size rather than magnified, and clicks come back through it.
class ZoomView : public QGraphicsView {
  Q_OBJECT

 public:
  // Fills `window`, which gives the content its palette and font.
  ZoomView(QWidget* window, QSize logicalSize);
  ~ZoomView() override;

  // The parent of the window's elements.
  ZoomContent* content() const { return content_; }
  // Scales the content and sizes the window to fit it exactly.
  void SetZoom(qreal zoom);
  // Paints the window's surface under its elements, in logical pixels, so that it scales too.
  void SetBackground(std::function<void(QPainter&, const QRect&, const QRect&)> paint);

 protected:
  // The content joins the scene and shows when its window first shows, once the elements are
  // in it: children added to a widget already shown would stay hidden.
  void showEvent(QShowEvent* event) override;

 private:
  QSize logicalSize_;
  ZoomContent* content_;
  bool embedded_ = false;
};

// The accessible view and content: the content lives in the view's scene, out of the widget
// tree, so the two are joined for screen readers as parent and child. Null for other objects.
QAccessibleInterface* ZoomAccessible(QObject* object);

}  // namespace tarvolenka::qt
