#include "qt/legend/paint_kit.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QSvgRenderer>
#include <cmath>
#include <numbers>
#include <utility>

#include "catalogue/pictures.h"

namespace tarvolenka::legend {

PaintKit::PaintKit(QPainter& painter, QString fontFamily, QString pictureDir)
    : p_(painter), family_(std::move(fontFamily)), pictureDir_(std::move(pictureDir)) {}

QFont PaintKit::Font(int pixelSize, bool bold) const {
  QFont font(family_);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

bool PaintKit::Symbol(SymbolId symbol, QRect box) {
  // Pictures 1..15 of the catalogue are the reel symbols in SymbolId order.
  const PictureSpec& desc = SpecOf(static_cast<Picture>(symbol));
  const QString file =
      QStringLiteral("%1/%2.svg")
          .arg(pictureDir_,
               QString::fromUtf8(desc.file.data(), static_cast<qsizetype>(desc.file.size())));
  QSvgRenderer renderer(file);
  if (!renderer.isValid()) return false;
  renderer.render(&p_, QRectF(box));
  return true;
}

void PaintKit::Heading(const QString& text, QRect box, int pixelSize, int ruleFrom, int ruleTo) {
  const QFont font = Font(pixelSize, true);
  p_.setFont(font);
  p_.setPen(palette::kDarkRed);
  p_.drawText(box, Qt::AlignCenter, text);
  const int half = QFontMetrics(font).horizontalAdvance(text) / 2;
  const int mid = box.center().x();
  const int y = box.center().y() + 1;
  p_.setPen(QPen(palette::kGold, 1.2));
  if (ruleFrom < mid - half - 10) p_.drawLine(ruleFrom, y, mid - half - 10, y);
  if (ruleTo > mid + half + 10) p_.drawLine(mid + half + 10, y, ruleTo, y);
}

void PaintKit::RulesBeside(QRect box, int ruleFrom, int ruleTo) {
  const int y = box.center().y() + 1;
  p_.setPen(QPen(palette::kGold, 1.2));
  p_.drawLine(ruleFrom, y, box.left(), y);
  p_.drawLine(box.left() + box.width(), y, ruleTo, y);
}

void PaintKit::Panel(QRect box, const QColor& fill) {
  p_.setPen(QPen(palette::kGold, 1.5));
  p_.setBrush(fill);
  p_.drawRoundedRect(QRectF(box).adjusted(0.75, 0.75, -0.75, -0.75), 9, 9);
  p_.setBrush(Qt::NoBrush);
}

void PaintKit::Flag(QRect box) {
  const QColor stripes[] = {Qt::white, QColor(0, 150, 110), QColor(214, 38, 18)};
  const double left = box.left() + 4;  // the pole takes the first pixels
  const double width = box.width() - 4;
  const double stripe = box.height() / 3.0;
  // Each stripe lies between two sine-bent edges.
  auto edge = [&](double x, int k) {
    const double phase = (x - left) / width * 2 * std::numbers::pi;
    return box.top() + k * stripe + 1.6 * std::sin(phase) * (x - left) / width;
  };
  p_.setPen(Qt::NoPen);
  for (int k = 0; k < 3; ++k) {
    QPainterPath path;
    path.moveTo(left, edge(left, k));
    for (int i = 1; i <= 24; ++i)
      path.lineTo(left + width * i / 24, edge(left + width * i / 24, k));
    for (int i = 24; i >= 0; --i)
      path.lineTo(left + width * i / 24, edge(left + width * i / 24, k + 1));
    path.closeSubpath();
    p_.setBrush(stripes[k]);
    p_.drawPath(path);
  }
  // A faint outline keeps the white stripe visible on the cream paper.
  QPainterPath outline;
  outline.moveTo(left, edge(left, 0));
  for (int i = 1; i <= 24; ++i)
    outline.lineTo(left + width * i / 24, edge(left + width * i / 24, 0));
  for (int i = 24; i >= 0; --i)
    outline.lineTo(left + width * i / 24, edge(left + width * i / 24, 3));
  outline.closeSubpath();
  p_.setBrush(Qt::NoBrush);
  p_.setPen(QPen(QColor(150, 130, 100), 0.8));
  p_.drawPath(outline);
  p_.setPen(QPen(palette::kGridLines, 2.2, Qt::SolidLine, Qt::RoundCap));
  p_.drawLine(QPointF(box.left() + 2.5, box.top() - 2),
              QPointF(box.left() + 2.5, box.bottom() + 5));
  p_.setPen(Qt::NoPen);
  p_.setBrush(palette::kGold);
  p_.drawEllipse(QPointF(box.left() + 2.5, box.top() - 3), 2.2, 2.2);
  p_.setBrush(Qt::NoBrush);
}

}  // namespace tarvolenka::legend
