#include "qt/element_widgets.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

#include "catalogue/element_builders.h"
#include "qt/fonts.h"
#include "qt/look_paint.h"

namespace tarvolenka::qt {

QColor ToQColor(Rgb c) {
  return QColor(c.r, c.g, c.b);
}

PictureWidget::PictureWidget(QWidget* parent, bool stretch) : QWidget(parent), stretch_(stretch) {}

void PictureWidget::SetPixmap(const QPixmap& pixmap) {
  load_ = nullptr;
  pixmap_ = pixmap;
  if (!stretch_ && !pixmap.isNull()) resize(pixmap.deviceIndependentSize().toSize());
  update();
}

void PictureWidget::SetPixmapSource(QSize logicalSize, std::function<QPixmap()> load) {
  pixmap_ = QPixmap();
  load_ = std::move(load);
  if (!stretch_) resize(logicalSize);
  update();
}

const QPixmap& PictureWidget::pixmap() const {
  if (load_) {
    pixmap_ = load_();
    load_ = nullptr;
  }
  return pixmap_;
}

void PictureWidget::paintEvent(QPaintEvent*) {
  const QPixmap& pixmap = this->pixmap();
  if (pixmap.isNull()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (stretch_)
    p.drawPixmap(rect(), pixmap);
  else
    p.drawPixmap(0, 0, pixmap);
}

void PictureWidget::mousePressEvent(QMouseEvent* e) {
  click_.Press(*e);
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* e) {
  if (click_.Release(*e, rect()) && onClick) onClick();
}

ShapeWidget::ShapeWidget(QWidget* parent, Rgb colour, bool rounded)
    : QWidget(parent), colour_(ToQColor(colour)), rounded_(rounded) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const Rgb base{static_cast<std::uint8_t>(colour_.red()),
                 static_cast<std::uint8_t>(colour_.green()),
                 static_cast<std::uint8_t>(colour_.blue())};
  if (!rounded_) {
    PaintPlate(p, QRectF(rect()), base, std::min(6.0, height() / 3.0));
    return;
  }
  // A rounded shape is a lamp: a warm glow round a bright lit body.
  const QRectF r = QRectF(rect());
  for (int i = 0; i < 6; ++i) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 60, 28));
    p.drawRoundedRect(r.adjusted(i, i, -i, -i), 16 - i, 16 - i);
  }
  QRadialGradient g(r.center(), r.width() * 0.6);
  g.setColorAt(0, QColor(255, 250, 200));
  g.setColorAt(0.5, QColor(255, 190, 40));
  g.setColorAt(1, colour_);
  p.setBrush(g);
  p.setPen(QPen(QColor(120, 20, 0), 1.5));
  p.drawRoundedRect(r.adjusted(5, 5, -5, -5), 11, 11);
}

void ShapeWidget::showEvent(QShowEvent*) {
  // Shapes that light up lead the chasing bulbs the window paints round them.
  if (parentWidget() != nullptr) parentWidget()->update();
}

void ShapeWidget::hideEvent(QHideEvent*) {
  if (parentWidget() != nullptr) parentWidget()->update();
}

RingWidget::RingWidget(QWidget* parent, Rgb colour) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ToQColor(colour));
  setPalette(pal);
}

void RingWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor gold = palette().color(QPalette::Window);
  const QRectF r = QRectF(rect());
  // A broad band of the colour, lit along its top, between dark edges that part it from the
  // art's own gold.
  const qreal edge = kRingMargin;
  const QRectF path = r.adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x3a, 0x1d, 0x0c), edge));
  p.drawRoundedRect(path, 9, 9);
  QLinearGradient band(r.topLeft(), r.bottomLeft());
  band.setColorAt(0, gold.lighter(130));
  band.setColorAt(0.5, gold);
  band.setColorAt(1, gold.darker(120));
  p.setPen(QPen(QBrush(band), edge - 3));
  p.drawRoundedRect(path, 9, 9);
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
  // A wooden frame like the counter panels', a sunken trough in the background colour and a
  // glossy bar in the bar colour.
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75);
  QLinearGradient wood(r.topLeft(), r.bottomLeft());
  wood.setColorAt(0, QColor(0x9a, 0x5e, 0x2c));
  wood.setColorAt(0.5, QColor(0x77, 0x42, 0x18));
  wood.setColorAt(1, QColor(0x52, 0x29, 0x0c));
  p.setPen(QPen(QColor(0x3a, 0x1d, 0x0c), 1.5));
  p.setBrush(wood);
  p.drawRoundedRect(r, 10, 10);
  const QRectF trough = r.adjusted(5, 5, -5, -5);
  QLinearGradient well(trough.topLeft(), trough.bottomLeft());
  well.setColorAt(0, background_.darker(220));
  well.setColorAt(0.3, background_.darker(130));
  well.setColorAt(1, background_);
  p.setPen(QPen(QColor(0x2a, 0x12, 0x04), 1));
  p.setBrush(well);
  p.drawRoundedRect(trough, 7, 7);
  if (position_ > 0) {
    QRectF bar = trough.adjusted(1.5, 1.5, -1.5, -1.5);
    bar.setWidth(bar.width() * position_ / 100);
    QLinearGradient shine(bar.topLeft(), bar.bottomLeft());
    shine.setColorAt(0, bar_.lighter(170));
    shine.setColorAt(0.45, bar_);
    shine.setColorAt(1, bar_.darker(150));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(bar, 6, 6);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRoundedRect(QRectF(bar.left() + 3, bar.top() + 2, std::max(0.0, bar.width() - 6), 4), 2,
                      2);
  }
}

PaintBoxWidget::PaintBoxWidget(QWidget* parent, Rgb background, QSize size, qreal dpr)
    : QWidget(parent), logicalSize_(size), dpr_(dpr), background_(ToQColor(background)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

QImage& PaintBoxWidget::Surface() {
  if (image_.isNull()) {
    image_ = QImage(logicalSize_ * dpr_, QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(dpr_);
    image_.fill(background_);
  }
  return image_;
}

void PaintBoxWidget::BeginFrame() {
  if (framing_) return;
  framing_ = true;
  blended_ = false;
  shownEarly_ = false;
  repeating_ = lastCopiesOnly_;
  copied_ = QRegion();
  ops_.clear();
  QTimer::singleShot(0, this, [this] { FinishFrame(); });
}

QPainter& PaintBoxWidget::Painter() {
  // One painter stays open across the copies of a frame and is closed when the frame ends.
  BeginFrame();
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&Surface());
    painter_->setRenderHint(QPainter::Antialiasing, false);
  }
  if (repeating_) ReplayHeld();
  return *painter_;
}

namespace {

// A plain copy. At a zoom that puts a cell's edges between device pixels, its edges are rounded
// to the device grid, so that cells side by side meet with no seam of older pixels between them.
void PaintCopy(QPainter& p, QPoint at, const QPixmap& pixmap, qreal dpr) {
  if (dpr == std::floor(dpr)) {
    p.drawPixmap(at, pixmap);
    return;
  }
  // The picture's own size, which rendering rounded to whole device pixels.
  const QSize size = pixmap.deviceIndependentSize().toSize();
  const int left = qRound(at.x() * dpr), top = qRound(at.y() * dpr);
  const int right = qRound((at.x() + size.width()) * dpr);
  const int bottom = qRound((at.y() + size.height()) * dpr);
  p.drawPixmap(QRectF(left / dpr, top / dpr, (right - left) / dpr, (bottom - top) / dpr), pixmap,
               QRectF(pixmap.rect()));
}

}  // namespace

void PaintBoxWidget::ReplayHeld() {
  repeating_ = false;
  QPainter& p = Painter();
  p.setCompositionMode(QPainter::CompositionMode_Source);
  for (const Copy& copy : held_) PaintCopy(p, copy.at, copy.pixmap, Surface().devicePixelRatio());
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  held_.clear();
}

void PaintBoxWidget::AddOverlay(std::function<void(QPainter&)> paint) {
  Painter();  // copies held back are drawn first: what follows lies over them
  overlay_.push_back(std::move(paint));
}

void PaintBoxWidget::FlushOverlay() {
  if (overlay_.empty()) return;
  const QImage& surface = Surface();
  if (overlayOps_ != layerOps_ || layer_.size() != surface.size() ||
      layer_.devicePixelRatio() != surface.devicePixelRatio()) {
    layer_ = QImage(surface.size(), QImage::Format_ARGB32_Premultiplied);
    layer_.setDevicePixelRatio(surface.devicePixelRatio());
    layer_.fill(Qt::transparent);
    QPainter p(&layer_);
    for (const auto& paint : overlay_) paint(p);
    layerOps_ = overlayOps_;
  }
  overlay_.clear();
  overlayOps_.clear();
  Painter().drawImage(0, 0, layer_);
}

void PaintBoxWidget::DrawPixmap(int x, int y, const QPixmap& pixmap) {
  BeginFrame();
  FlushOverlay();
  const qint64 copy[] = {x, y, pixmap.cacheKey()};
  const qsizetype before = ops_.size();
  Record('P', copy, sizeof copy, false);
  if (!blended_) copied_ += QRect(QPoint(x, y), pixmap.deviceIndependentSize().toSize());
  if (repeating_ && lastOps_.size() >= ops_.size() &&
      QByteArrayView(ops_).sliced(before) ==
          QByteArrayView(lastOps_).sliced(before, ops_.size() - before)) {
    held_.push_back({QPoint(x, y), pixmap});
    return;
  }
  QPainter& p = Painter();
  p.setCompositionMode(QPainter::CompositionMode_Source);  // a plain copy, no blending
  PaintCopy(p, QPoint(x, y), pixmap, Surface().devicePixelRatio());
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void PaintBoxWidget::Record(char op, const void* bytes, std::size_t size, bool blends) {
  const auto length = static_cast<std::uint32_t>(size);
  ops_.append(op);
  ops_.append(reinterpret_cast<const char*>(&length), sizeof length);
  ops_.append(static_cast<const char*>(bytes), static_cast<qsizetype>(size));
  if (blends) overlayOps_.append(ops_.sliced(ops_.size() - static_cast<qsizetype>(size) - 5));
  blended_ = blended_ || blends;
}

void PaintBoxWidget::FinishFrame() {
  if (!framing_) {
    painter_.reset();
    return;
  }
  FlushOverlay();
  // A frame that stopped short of the last one draws what it held back.
  if (repeating_ && ops_ != lastOps_) ReplayHeld();
  repeating_ = false;
  held_.clear();
  painter_.reset();
  framing_ = false;
  bannerInLastFrame_ = std::exchange(bannerInFrame_, false);
  const QRect all(QPoint(0, 0), Surface().deviceIndependentSize().toSize());
  const bool covered = (QRegion(all) - copied_).isEmpty();
  if (!covered || shownEarly_ || ops_ != lastOps_) update();
  lastOps_ = covered ? ops_ : QByteArray();
  lastCopiesOnly_ = covered && !blended_;
}

namespace {

// Dark lines get a light casing and light lines a dark one, so a line shows over any symbol.
QColor CasingFor(Rgb c) {
  const int luma = (2126 * c.r + 7152 * c.g + 722 * c.b) / 10000;
  return luma < 110 ? QColor(255, 250, 230) : QColor(25, 12, 4);
}

}  // namespace

void PaintBoxWidget::DrawLine(const QPolygon& points, Rgb colour, int width) {
  AddOverlay([points, colour, width](QPainter& p) {
    // Aliased strokes keep a frame with all fifty lines well under a millisecond.
    p.setPen(QPen(CasingFor(colour), width + 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(points);
    p.setPen(QPen(ToQColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(points);
  });
  const int style[] = {colour.r, colour.g, colour.b, width};
  Record('L', style, sizeof style, true);
  Record('l', points.constData(), sizeof(QPoint) * static_cast<std::size_t>(points.size()), true);
}

void PaintBoxWidget::SetPixelRatio(qreal dpr) {
  if (repeating_) ReplayHeld();
  FlushOverlay();
  painter_.reset();
  lastOps_.clear();
  lastCopiesOnly_ = false;
  dpr_ = dpr;
  if (image_.isNull()) {  // nothing drawn yet: the surface is made at the new ratio
    update();
    return;
  }
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

void PaintBoxWidget::FrameCell(const QRect& cell, Rgb colour) {
  AddOverlay([cell, colour](QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(cell).adjusted(4, 4, -4, -4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 70), 14));  // a soft glow inside the frame
    p.drawRoundedRect(r.adjusted(6, 6, -6, -6), 10, 10);
    p.setPen(QPen(CasingFor(colour), 8));
    p.drawRoundedRect(r, 12, 12);
    p.setPen(QPen(ToQColor(colour), 4.5));
    p.drawRoundedRect(r, 12, 12);
    p.restore();
  });
  const int frame[] = {cell.x(), cell.y(), cell.width(), cell.height(),
                       colour.r, colour.g, colour.b};
  Record('F', frame, sizeof frame, true);
}

bool PaintBoxWidget::ShowWinBanner(const QRect& plateRect, const QString& title,
                                   const QString& amount, int tier, int celebration) {
  const bool fresh = !bannerInFrame_ && !bannerInLastFrame_;
  const QRectF area(QPointF(0, 0), Surface().deviceIndependentSize());
  AddOverlay([area, plateRect, title, amount, tier, celebration](QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (celebration > 0) {
      // Rays of light that turn a little with every repaint from the plate, and falling
      // sparkles: more of both for a higher tier.
      const QPointF c = QRectF(plateRect).center();
      const int rays = 12 + 4 * tier;
      const qreal step = 360.0 / rays;
      p.setPen(Qt::NoPen);
      for (int i = 0; i < rays; ++i) {
        const qreal a = (i * step + celebration * 7.0) * M_PI / 180.0;
        const qreal b = a + step * 0.4 * M_PI / 180.0;
        QPainterPath ray;
        ray.moveTo(c);
        ray.lineTo(c + QPointF(std::cos(a), std::sin(a)) * 700);
        ray.lineTo(c + QPointF(std::cos(b), std::sin(b)) * 700);
        ray.closeSubpath();
        p.setBrush(QColor(255, 220, 80, 40 + 15 * tier));
        p.drawPath(ray);
      }
      for (int i = 0; i < 12 * (tier + 1); ++i) {
        const qreal x = std::fmod(i * 97.0 + celebration * 3.0, area.width());
        const qreal y = std::fmod(i * 53.0 + celebration * 18.0, area.height());
        PaintBulb(p, QPointF(x, y), 4 + (i + celebration) % 3, true);
      }
    }
    const QRectF plate(plateRect);
    PaintPlate(p, plate, looks::ink::kWood, 16);
    p.setPen(QPen(QColor(232, 190, 90), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plate.adjusted(6, 6, -8, -9), 11, 11);
    // The title takes the top two fifths, the amount the rest, each sized to its share.
    const qreal split = plate.height() * 0.4;
    QFont titleFont = GameFont(static_cast<int>(plate.height() * 0.23), true);
    QFont sum = GameFont(static_cast<int>(plate.height() * 0.44), true);
    const QRectF titleBox(plate.left() + 12, plate.top() + 6, plate.width() - 24, split);
    const qreal titleWidth = QFontMetricsF(titleFont).horizontalAdvance(title);
    if (titleWidth > titleBox.width())
      titleFont.setPointSizeF(titleFont.pointSizeF() * titleBox.width() / titleWidth);
    PaintText(p, titleBox, Qt::AlignCenter, title, titleFont, looks::ink::kCream, true,
              looks::ink::kEdge);
    PaintText(p,
              QRectF(plate.left(), plate.top() + split, plate.width(), plate.height() - split - 6),
              Qt::AlignCenter, amount, sum, looks::ink::kGold, true, looks::ink::kEdge);
    p.restore();
  });
  const int banner[] = {plateRect.x(),      plateRect.y(), plateRect.width(),
                        plateRect.height(), tier,          celebration};
  Record('B', banner, sizeof banner, true);
  Record('t', title.constData(), sizeof(QChar) * static_cast<std::size_t>(title.size()), true);
  Record('b', amount.constData(), sizeof(QChar) * static_cast<std::size_t>(amount.size()), true);
  bannerInFrame_ = true;  // after AddOverlay began the frame
  return fresh;
}

void PaintBoxWidget::paintEvent(QPaintEvent* e) {
  FlushOverlay();
  painter_.reset();  // a repaint asked for by the game shows the frame drawn so far
  shownEarly_ = shownEarly_ || framing_;
  const QImage& surface = Surface();
  QPainter p(this);
  p.drawImage(e->rect(), surface,
              QRectF(e->rect().topLeft() * surface.devicePixelRatio(),
                     e->rect().size() * surface.devicePixelRatio()));
}

}  // namespace tarvolenka::qt
