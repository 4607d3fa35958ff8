#pragma once

// The widgets that stand for the catalogue's element kinds.

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "catalogue/geometry.h"
#include "qt/click_gesture.h"

namespace tarvolenka::qt {

QColor ToQColor(Rgb c);

// A picture that takes clicks. It takes the size of the picture put into it unless it
// stretches its picture over its own rectangle.
class PictureWidget : public QWidget {
  Q_OBJECT

 public:
  PictureWidget(QWidget* parent, bool stretch);
  void SetPixmap(const QPixmap& pixmap);
  // A picture of `logicalSize` made by `load` when it is first needed: a window's pictures
  // cost nothing until they show.
  void SetPixmapSource(QSize logicalSize, std::function<QPixmap()> load);
  const QPixmap& pixmap() const;
  std::function<void()> onClick;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  mutable QPixmap pixmap_;
  mutable std::function<QPixmap()> load_;
  bool stretch_;
  ClickGesture click_;
};

// A coloured bar or rounded rectangle.
class ShapeWidget : public QWidget {
 public:
  ShapeWidget(QWidget* parent, Rgb colour, bool rounded);

 protected:
  void paintEvent(QPaintEvent*) override;
  void showEvent(QShowEvent*) override;
  void hideEvent(QHideEvent*) override;

 private:
  QColor colour_;
  bool rounded_;
};

// The ring over a pick window's choice: a gold frame with a dark edge, so that it shows on
// light and dark art alike; its middle lets the choice show through and take the clicks. Its
// colour is the palette's window colour, which the game dims while keys wait.
class RingWidget : public QWidget {
 public:
  RingWidget(QWidget* parent, Rgb colour);

 protected:
  void paintEvent(QPaintEvent*) override;
};

// A progress gauge 0..100 without text.
class GaugeWidget : public QWidget {
  Q_OBJECT

 public:
  GaugeWidget(QWidget* parent, Rgb background, Rgb bar);
  void SetPosition(int position);
  int position() const { return position_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QColor background_, bar_;
  int position_ = 0;
};

// The drawing surface: block copies and pen strokes land in a backing image, shown on paint.
class PaintBoxWidget : public QWidget {
  Q_OBJECT

 public:
  PaintBoxWidget(QWidget* parent, Rgb background, QSize size, qreal dpr);
  void DrawPixmap(int x, int y, const QPixmap& pixmap);
  void DrawLine(const QPolygon& points, Rgb colour, int width);
  // A new backing image at `dpr`, holding the old one until the game draws over it.
  void SetPixelRatio(qreal dpr);
  void FrameCell(const QRect& cell, Rgb colour);
  // A title over an amount on a wooden plate at `plate`; a big win of tier 1 and up is
  // celebrated with rays and sparkles, more of them for a higher tier. Whether the banner is
  // new, not one drawn again in the frame after one that had it.
  bool ShowWinBanner(const QRect& plate, const QString& title, const QString& amount, int tier,
                     int celebration);
  // The surface as drawn so far, the strokes and frames held for their layer laid over it.
  const QImage& image() {
    FlushOverlay();
    return Surface();
  }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  // The painter of the frame being drawn; a frame is the drawing done in one turn of the loop.
  QPainter& Painter();
  // The backing image, made and filled with the background when first needed: a surface of a
  // window not yet opened costs no memory.
  QImage& Surface();
  void BeginFrame();
  // Draws the copies held back while the frame repeated the last one, now that it does not.
  void ReplayHeld();
  // Ends the frame. The widget is repainted unless the frame repeated the last one over a
  // surface it covered with copies first, which gives the same pixels: the game redraws the
  // same reels while idle, and that costs no repaint of the window.
  void FinishFrame();
  void Record(char op, const void* bytes, std::size_t size, bool blends);
  // Strokes, frames and the win banner go to a layer of their own, in order, and are laid over
  // the copies in one blend when a copy follows them, the frame ends or the widget paints. The
  // layer is kept while the same ones are drawn again, as they are in every frame of a win.
  void AddOverlay(std::function<void(QPainter&)> paint);
  void FlushOverlay();
  QSize logicalSize_;
  qreal dpr_;
  QColor background_;
  QImage image_;
  std::unique_ptr<QPainter> painter_;
  bool framing_ = false;     // a frame is being drawn
  bool blended_ = false;     // the frame has drawn over what it copied
  bool shownEarly_ = false;  // part of the frame was painted before it ended
  QRegion copied_;           // what the frame's copies covered before anything blended
  QByteArray ops_, lastOps_;
  // The last frame only copied, over the whole surface; while this one repeats it, its copies
  // would give the pixels already there, and are held back rather than drawn.
  bool lastCopiesOnly_ = false;
  bool repeating_ = false;
  bool bannerInFrame_ = false, bannerInLastFrame_ = false;
  struct Copy {
    QPoint at;
    QPixmap pixmap;
  };
  std::vector<Copy> held_;
  std::vector<std::function<void(QPainter&)>> overlay_;  // drawn since the last flush
  QByteArray overlayOps_;                                // their records
  QImage layer_;
  QByteArray layerOps_;  // the records the layer holds
};

}  // namespace tarvolenka::qt
