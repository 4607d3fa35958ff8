#include "qt/legend/legend_painter.h"

#include <QLinearGradient>

#include "qt/legend/paint_kit.h"

namespace tarvolenka::legend {
namespace {

QString Utf8(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The notes and the small print stay large enough to read at the window's own size.
constexpr int kNotePx = 13;
constexpr int kReelsNotePx = 12;
constexpr int kSmallPrintPx = 12;

void PaintSheet(QPainter& p) {
  QLinearGradient paper(0, 0, 0, kHeight);
  paper.setColorAt(0, palette::kPaper.lighter(103));
  paper.setColorAt(1, palette::kPaper);
  p.fillRect(0, 0, kWidth, kHeight, paper);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(palette::kDarkRed, 3));
  p.drawRoundedRect(QRectF(2.5, 2.5, kWidth - 5, kHeight - 5), 10, 10);
  p.setPen(QPen(palette::kGold, 1));
  p.drawRoundedRect(QRectF(6.5, 6.5, kWidth - 13, kHeight - 13), 8, 8);
}

bool PaintSpecials(PaintKit& kit, const LegendLayout& l) {
  QPainter& p = kit.painter();
  kit.Panel(ToQRect(l.specialsPanel), palette::kCard);
  const int from = l.specialsPanel.left + 10;
  const int to = l.specialsPanel.Right() - 10;
  kit.Heading(Utf8(l.specialsHeading.text), ToQRect(l.specialsHeading.box), 16, from, to);
  bool ok = true;
  for (const SpecialEntry& e : l.specials) {
    ok = kit.Symbol(e.symbol, ToQRect(e.icon)) && ok;
    p.setFont(kit.Font(19, true));
    p.setPen(palette::kDarkRed);
    p.drawText(ToQRect(e.captionBox), Qt::AlignLeft | Qt::AlignVCenter, Utf8(e.caption));
    p.setFont(kit.Font(kNotePx, false));
    p.setPen(palette::kInk);
    p.drawText(ToQRect(e.noteBox), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Utf8(e.note));
  }
  kit.Heading(Utf8(l.multipliersHeading.text), ToQRect(l.multipliersHeading.box), 16, from, to);
  for (const SpecialEntry& e : l.multipliers) {
    ok = kit.Symbol(e.symbol, ToQRect(e.icon)) && ok;
    p.setFont(kit.Font(kReelsNotePx, false));
    p.setPen(palette::kInk);
    p.drawText(ToQRect(e.noteBox), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               Utf8(e.note));
  }
  return ok;
}

// The badge and the small print; the credits are the window's, written over the picture.
void PaintPayCell(PaintKit& kit, const PayCell& c) {
  QPainter& p = kit.painter();
  p.setPen(Qt::NoPen);
  p.setBrush(palette::kDarkRed);
  p.drawRoundedRect(QRectF(ToQRect(c.badge)), 4, 4);
  p.setBrush(Qt::NoBrush);
  p.setFont(kit.Font(12, true));
  p.setPen(Qt::white);
  p.drawText(ToQRect(c.badge), Qt::AlignCenter, QString::number(c.count));
  p.setFont(kit.Font(kSmallPrintPx, false));
  p.setPen(palette::kSmallPrint);
  p.drawText(ToQRect(c.unit), Qt::AlignLeft | Qt::AlignVCenter, Utf8(c.perUnit));
}

bool PaintPays(PaintKit& kit, const LegendLayout& l) {
  QPainter& p = kit.painter();
  kit.Panel(ToQRect(l.paysPanel), palette::kCard);
  kit.RulesBeside(ToQRect(l.paysHeading), l.paysPanel.left + 10, l.paysPanel.Right() - 10);
  bool ok = true;
  for (const PayEntry& e : l.pays) {
    p.setPen(QPen(palette::kGold.lighter(130), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(ToQRect(e.card)).adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
    p.setBrush(Qt::NoBrush);
    ok = kit.Symbol(e.symbol, ToQRect(e.icon)) && ok;
    p.setFont(kit.Font(15, true));
    p.setPen(palette::kDarkRed);
    p.drawText(ToQRect(e.nameBox), Qt::AlignLeft | Qt::AlignVCenter, Utf8(e.name));
    for (const PayCell& c : e.pays) PaintPayCell(kit, c);
  }
  return ok;
}

void PaintLines(PaintKit& kit, const LegendLayout& l) {
  QPainter& p = kit.painter();
  kit.Heading(Utf8(l.linesHeading.text), ToQRect(l.linesHeading.box), 19, 20, l.flag.left - 12);
  p.setPen(QPen(palette::kGold, 1.2));
  const int y = l.linesHeading.box.Centre().y + 1;
  p.drawLine(l.flag.Right() + 12, y, l.rulesButton.left - 12, y);
  kit.Flag(ToQRect(l.flag));
  p.setRenderHint(QPainter::Antialiasing, false);  // the grids are pixel-exact
  for (const LineGrid& g : l.lines) {
    p.setFont(kit.Font(14, true));
    p.setPen(palette::kDarkRed);
    p.drawText(ToQRect(g.label), Qt::AlignRight | Qt::AlignVCenter, QString::number(g.number));
    p.fillRect(ToQRect(g.frame), palette::kGridLines);
    for (std::size_t r = 0; r < g.cells.size(); ++r)
      for (std::size_t c = 0; c < g.cells[r].size(); ++c)
        p.fillRect(ToQRect(g.cells[r][c]),
                   g.filled[r][c] ? palette::kLineCell : palette::kEmptyCell);
  }
  p.setRenderHint(QPainter::Antialiasing, true);
}

}  // namespace

bool PaintLegend(const LegendLayout& layout, const QString& fontFamily, const QString& pictureDir,
                 QImage& out, QString& error, qreal ratio) {
  out = QImage(QSize(kWidth, kHeight) * ratio, QImage::Format_RGB32);
  out.setDevicePixelRatio(ratio);
  QPainter p(&out);
  p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
  PaintKit kit(p, fontFamily, pictureDir);
  PaintSheet(p);
  const bool specials = PaintSpecials(kit, layout);
  const bool pays = PaintPays(kit, layout);
  PaintLines(kit, layout);
  if (!specials || !pays) {
    error = QStringLiteral("a symbol picture is missing or unreadable in %1").arg(pictureDir);
    return false;
  }
  return true;
}

}  // namespace tarvolenka::legend
