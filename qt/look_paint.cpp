#include "qt/look_paint.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace tarvolenka::qt {
namespace {

Rgb Towards(Rgb c, Rgb to, int percent) {
  return looks::Mix(c, to, percent);
}

// A wooden rim round the window, with grain and a brass line inside it.
void PaintRim(QPainter& p, const QRectF& r, qreal width) {
  const Rgb wood = looks::ink::kWood;
  QPainterPath rim;
  rim.addRect(r);
  rim.addRoundedRect(r.adjusted(width, width, -width, -width), 10, 10);
  rim.setFillRule(Qt::OddEvenFill);
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, Qc(Towards(wood, colours::kWhite, 18)));
  g.setColorAt(0.5, Qc(wood));
  g.setColorAt(1, Qc(Towards(wood, colours::kBlack, 35)));
  p.fillPath(rim, g);
  // Grain: thin darker streaks along the rim.
  p.save();
  p.setClipPath(rim);
  p.setPen(QPen(Qc(Towards(wood, colours::kBlack, 40), 90), 1));
  for (qreal y = r.top() + 2; y < r.bottom(); y += 3.7)
    p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y + std::sin(y) * 1.5));
  p.restore();
  const QRectF inner = r.adjusted(width, width, -width, -width);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(40, 18, 6), 2));
  p.drawRoundedRect(inner, 10, 10);
  p.setPen(QPen(QColor(232, 190, 90), 1.6));
  p.drawRoundedRect(inner.adjusted(2.5, 2.5, -2.5, -2.5), 8, 8);
}

void PaintBaize(QPainter& p, const QRectF& r, Rgb base) {
  QRadialGradient g(r.center(), std::max(r.width(), r.height()) * 0.7);
  g.setColorAt(0, Qc(Towards(base, colours::kWhite, 12)));
  g.setColorAt(0.6, Qc(base));
  g.setColorAt(1, Qc(Towards(base, colours::kBlack, 45)));
  p.fillRect(r, g);
  // The cloth's weave.
  p.setPen(QPen(QColor(255, 255, 255, 14), 1));
  for (qreal x = r.left(); x < r.right(); x += 3)
    p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
  p.setPen(QPen(QColor(0, 0, 0, 16), 1));
  for (qreal y = r.top(); y < r.bottom(); y += 3)
    p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
}

void PaintBrass(QPainter& p, const QRectF& r, Rgb base) {
  // Honey-coloured boards in the base hue, lit from the middle.
  QRadialGradient g(r.center() - QPointF(0, r.height() * 0.15), std::max(r.width(), r.height()));
  g.setColorAt(0, Qc(Towards(base, colours::kWhite, 55)));
  g.setColorAt(0.45, Qc(Towards(base, {230, 150, 20}, 25)));
  g.setColorAt(1, Qc(Towards(base, {150, 80, 0}, 70)));
  p.fillRect(r, g);
  p.setPen(QPen(QColor(120, 70, 0, 60), 1));
  for (qreal y = r.top() + 38; y < r.bottom(); y += 38)
    p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
  p.setPen(QPen(QColor(255, 255, 255, 50), 1));
  for (qreal y = r.top() + 39; y < r.bottom(); y += 38)
    p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
}

void PaintLinen(QPainter& p, const QRectF& r, Rgb base) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, Qc(base));
  g.setColorAt(1, Qc(Towards(base, {236, 222, 196}, 60)));
  p.fillRect(r, g);
  // A faint checked tablecloth.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(196, 40, 30, 12));
  for (qreal x = r.left(); x < r.right(); x += 48) p.drawRect(QRectF(x, r.top(), 24, r.height()));
  for (qreal y = r.top(); y < r.bottom(); y += 48) p.drawRect(QRectF(r.left(), y, r.width(), 24));
}

// The machine's sky, lit from behind the reels and deepening to the edges, and its control
// deck: a dark blue console with a brass lip, so the panels and buttons stand on something.
void PaintCabinet(QPainter& p, const QRectF& r, Rgb base, const QRectF& exposed) {
  QRadialGradient sky(QPointF(r.center().x(), r.top() + r.height() * 0.38), r.width() * 0.62);
  sky.setColorAt(0, Qc(Towards(base, colours::kWhite, 35)));
  sky.setColorAt(0.55, Qc(base));
  sky.setColorAt(1, Qc(Towards(base, {20, 50, 110}, 55)));
  p.fillRect(r, sky);
  const QRectF deck(r.left(), r.top() + looks::kDeckTop, r.width(), r.height() - looks::kDeckTop);
  if (deck.height() <= 0) return;
  QLinearGradient g(deck.topLeft(), deck.bottomLeft());
  g.setColorAt(0, Qc(Towards(looks::kDeck, colours::kWhite, 12)));
  g.setColorAt(0.3, Qc(looks::kDeck));
  g.setColorAt(1, Qc(Towards(looks::kDeck, colours::kBlack, 45)));
  p.fillRect(deck, g);
  if (!exposed.intersects(QRectF(deck.left(), deck.top() - 1, deck.width(), 7))) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0, 0, 0, 70), 3));
  p.drawLine(deck.topLeft() + QPointF(0, 3), deck.topRight() + QPointF(0, 3));
  p.setPen(QPen(QColor(232, 190, 90), 2));
  p.drawLine(deck.topLeft() + QPointF(0, 1), deck.topRight() + QPointF(0, 1));
  p.setPen(QPen(QColor(255, 240, 190, 150), 1));
  p.drawLine(deck.topLeft(), deck.topRight());
  p.restore();
}

// The left edge of a tag: a pointed end with a hole for its string.
QPainterPath TagOutline(const QRectF& r) {
  const qreal notch = std::min(r.height() * 0.45, 12.0);
  QPainterPath path;
  path.moveTo(r.left() + notch, r.top());
  path.lineTo(r.right() - 4, r.top());
  path.quadTo(r.right(), r.top(), r.right(), r.top() + 4);
  path.lineTo(r.right(), r.bottom() - 4);
  path.quadTo(r.right(), r.bottom(), r.right() - 4, r.bottom());
  path.lineTo(r.left() + notch, r.bottom());
  path.lineTo(r.left(), r.center().y());
  path.closeSubpath();
  return path;
}

}  // namespace

QColor Qc(Rgb c, int alpha) {
  return QColor(c.r, c.g, c.b, alpha);
}

void PaintSurface(QPainter& p, const QRect& rect, Rgb base, looks::Surface surface,
                  const QRect& exposed) {
  const QRectF r(rect);
  switch (surface) {
    case looks::Surface::Plain:
      p.fillRect(r, Qc(base));
      return;
    case looks::Surface::Cabinet:
      PaintCabinet(p, r, base, exposed);
      return;
    case looks::Surface::Baize:
      PaintBaize(p, r, base);
      PaintRim(p, r, 7);
      return;
    case looks::Surface::Brass:
      PaintBrass(p, r, base);
      PaintRim(p, r, 6);
      return;
    case looks::Surface::Linen:
      PaintLinen(p, r, base);
      PaintRim(p, r, 5);
      return;
  }
}

void PaintPlate(QPainter& p, const QRectF& rect, Rgb base, qreal radius) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body = rect.adjusted(1, 1, -2, -3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(body.translated(1.5, 2.5), radius, radius);
  QLinearGradient g(body.topLeft(), body.bottomLeft());
  g.setColorAt(0, Qc(looks::PlateTop(base)));
  g.setColorAt(0.45, Qc(base));
  g.setColorAt(1, Qc(looks::PlateBottom(base)));
  p.setBrush(g);
  p.setPen(QPen(Qc(Towards(base, colours::kBlack, 55)), 1.4));
  p.drawRoundedRect(body, radius, radius);
  p.setPen(QPen(QColor(255, 255, 255, 120), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(body.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1, radius - 1);
  p.restore();
}

void PaintTag(QPainter& p, const QRectF& rect, Rgb base) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body = rect.adjusted(1, 1, -2, -3);
  const QPainterPath path = TagOutline(body);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 80));
  p.drawPath(path.translated(1.5, 2.5));
  QLinearGradient g(body.topLeft(), body.bottomLeft());
  g.setColorAt(0, Qc(looks::PlateTop(base)));
  g.setColorAt(0.5, Qc(base));
  g.setColorAt(1, Qc(looks::PlateBottom(base)));
  p.setBrush(g);
  p.setPen(QPen(QColor(110, 60, 10), 1.3));
  p.drawPath(path);
  // The string hole with its brass eyelet.
  const qreal hole = std::min(body.height() * 0.12, 3.0);
  const QPointF at(body.left() + std::min(body.height() * 0.45, 12.0) * 0.55, body.center().y());
  p.setBrush(QColor(60, 30, 8));
  p.setPen(QPen(QColor(200, 150, 50), 1));
  p.drawEllipse(at, hole, hole);
  p.restore();
}

void PaintText(QPainter& p, const QRectF& rect, Qt::Alignment align, const QString& text,
               const QFont& font, Rgb ink, bool outlined, Rgb edge) {
  if (text.isEmpty()) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  if (!outlined) {
    p.setFont(font);
    p.setPen(Qc(ink));
    p.drawText(rect, static_cast<int>(align), text);
    p.restore();
    return;
  }
  const QFontMetricsF fm(font);
  const QStringList lines = text.split(QLatin1Char('\n'));
  const qreal lineHeight = fm.height();
  const qreal total = lineHeight * static_cast<qreal>(lines.size());
  qreal top = rect.top();
  if (align & Qt::AlignVCenter) top = rect.center().y() - total / 2;
  if (align & Qt::AlignBottom) top = rect.bottom() - total;
  QPainterPath path;
  for (const QString& line : lines) {
    const qreal w = fm.horizontalAdvance(line);
    qreal x = rect.left();
    if (align & Qt::AlignHCenter) x = rect.center().x() - w / 2;
    if (align & Qt::AlignRight) x = rect.right() - w;
    path.addText(QPointF(x, top + fm.ascent()), font, line);
    top += lineHeight;
  }
  const qreal width = std::max(3.0, font.pixelSize() / 6.0);
  p.setPen(QPen(Qc(edge), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path.translated(0, 1.5));
  p.drawPath(path);
  QLinearGradient g(0, path.boundingRect().top(), 0, path.boundingRect().bottom());
  g.setColorAt(0, Qc(Towards(ink, colours::kWhite, 25)));
  g.setColorAt(0.55, Qc(ink));
  g.setColorAt(1, Qc(ink));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(path);
  p.restore();
}

void PaintBulb(QPainter& p, QPointF centre, qreal radius, bool lit) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  if (lit) {
    QRadialGradient glow(centre, radius * 2.6);
    glow.setColorAt(0, QColor(255, 230, 120, 170));
    glow.setColorAt(1, QColor(255, 200, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 2.6, radius * 2.6);
  }
  p.setPen(QPen(QColor(120, 80, 20), 1));
  p.setBrush(QColor(200, 150, 60));
  p.drawEllipse(centre, radius + 1.5, radius + 1.5);
  QRadialGradient g(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.3);
  if (lit) {
    g.setColorAt(0, QColor(255, 255, 235));
    g.setColorAt(0.5, QColor(255, 226, 90));
    g.setColorAt(1, QColor(235, 150, 20));
  } else {
    g.setColorAt(0, QColor(200, 190, 160));
    g.setColorAt(0.6, QColor(120, 100, 70));
    g.setColorAt(1, QColor(70, 55, 40));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(centre, radius, radius);
  p.restore();
}

}  // namespace tarvolenka::qt
