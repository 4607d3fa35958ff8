#include "qt/window_decor.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <cmath>

#include "catalogue/looks.h"
#include "catalogue/statistics_elements.h"
#include "catalogue/timed_bonus_elements.h"
#include "qt/fonts.h"
#include "qt/look_paint.h"

namespace tarvolenka::qt {
namespace {

// The bulbs run round the middle of the ring; every third one burns, and the pattern steps on
// with the light, so the bulbs chase as the light runs and rest when it rests.
void PaintBulbRing(QPainter& p, const std::function<bool(ElementRef)>& shown) {
  int lit = 0;
  for (int cell = 1; cell <= kMegaCells; ++cell)
    if (shown(Ref(MegaLight(cell)))) lit = cell;
  const QRectF ring(126, 84, 350, 214);
  std::vector<QPointF> bulbs;
  const qreal step = 17.5;
  for (qreal x = ring.left(); x < ring.right(); x += step) bulbs.emplace_back(x, ring.top());
  for (qreal y = ring.top(); y < ring.bottom(); y += step) bulbs.emplace_back(ring.right(), y);
  for (qreal x = ring.right(); x > ring.left(); x -= step) bulbs.emplace_back(x, ring.bottom());
  for (qreal y = ring.bottom(); y > ring.top(); y -= step) bulbs.emplace_back(ring.left(), y);
  // The board the bulbs are set in.
  PaintPlate(p, ring.adjusted(-10, -10, 12, 12), looks::ink::kWood, 12);
  QLinearGradient felt(ring.topLeft(), ring.bottomLeft());
  felt.setColorAt(0, QColor(0, 70, 70));
  felt.setColorAt(1, QColor(0, 40, 44));
  p.setPen(QPen(QColor(232, 190, 90), 1.5));
  p.setBrush(felt);
  p.drawRoundedRect(ring.adjusted(8, 8, -8, -8), 8, 8);
  for (std::size_t i = 0; i < bulbs.size(); ++i)
    PaintBulb(p, bulbs[i], 4.2, lit > 0 && (static_cast<int>(i) + lit) % 3 == 0);
}

QRectF ReelsRect() {
  const Rect a = SpecOf(Ref(MainEl::ReelArea)).rect;
  return QRectF(a.left, a.top, a.width, a.height);
}

// The bezel with its shadow, which falls down and to the right.
QRect ReelBezelBounds() {
  const qreal w = looks::kReelBezel;
  return ReelsRect().adjusted(-w - 2, -w - 2, w + 8, w + 11).toAlignedRect();
}

// The reels sit in a bezel of dark wood with a brass lip, and cast a shadow on the sky.
void PaintReelBezel(QPainter& p) {
  const QRectF reels = ReelsRect();
  const qreal w = looks::kReelBezel;
  const QRectF outer = reels.adjusted(-w, -w, w, w);
  p.setPen(Qt::NoPen);
  for (int i = 1; i <= 4; ++i) {  // a soft shadow, darkest close in
    p.setBrush(QColor(10, 30, 70, 22));
    p.drawRoundedRect(outer.adjusted(-i + 2, -i + 4, i + 2, i + 5), 12 + i, 12 + i);
  }
  QLinearGradient wood(outer.topLeft(), outer.bottomLeft());
  wood.setColorAt(0, QColor(150, 92, 44));
  wood.setColorAt(0.5, QColor(104, 58, 24));
  wood.setColorAt(1, QColor(62, 32, 12));
  p.setBrush(wood);
  p.setPen(QPen(QColor(40, 18, 6), 1.5));
  p.drawRoundedRect(outer, 12, 12);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(232, 190, 90), 2));
  p.drawRoundedRect(outer.adjusted(3, 3, -3, -3), 9, 9);
  p.setPen(QPen(QColor(255, 246, 200, 120), 1));
  p.drawRoundedRect(outer.adjusted(1.5, 1.5, -1.5, -1.5), 11, 11);
  p.setPen(QPen(QColor(30, 12, 4), 2));
  p.drawRect(reels.adjusted(-1, -1, 1, 1));
}

void PaintLevelPlanks(QPainter& p) {
  for (const looks::LevelRow& row : looks::kLevelRows) {
    const Rect v = SpecOf(Ref(row.value)).rect;
    PaintPlate(p, QRectF(44, v.top - 3, 432, v.height + 7), looks::kPlank, 8);
  }
}

void PaintStar(QPainter& p, QPointF c, qreal r, const QColor& colour) {
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const qreal a = (-90 + i * 36) * M_PI / 180.0;
    const qreal rr = i % 2 == 0 ? r : r * 0.45;
    const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * rr;
    if (i == 0)
      star.moveTo(pt);
    else
      star.lineTo(pt);
  }
  star.closeSubpath();
  p.setPen(QPen(QColor(110, 50, 0), 1.2));
  p.setBrush(colour);
  p.drawPath(star);
}

// A sunburst behind the amount, centred on `burst`, a gold frame and stars in the corners: a
// win is a feast.
void PaintFestiveFrame(QPainter& p, const QRect& window, QPointF burst) {
  const QPointF c = burst;
  p.save();
  p.setClipRect(window.adjusted(8, 8, -8, -8));  // the rays stay inside the wooden rim
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 24; ++i) {
    const qreal a = i * 15 * M_PI / 180.0, b = a + 7 * M_PI / 180.0;
    QPainterPath ray;
    ray.moveTo(c);
    ray.lineTo(c + QPointF(std::cos(a), std::sin(a)) * 400);
    ray.lineTo(c + QPointF(std::cos(b), std::sin(b)) * 400);
    ray.closeSubpath();
    p.setBrush(QColor(255, 255, 220, 70));
    p.drawPath(ray);
  }
  p.restore();
  const QRectF frame = QRectF(window).adjusted(12, 12, -12, -12);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(150, 90, 10), 5));
  p.drawRoundedRect(frame, 10, 10);
  p.setPen(QPen(QColor(255, 215, 90), 2.5));
  p.drawRoundedRect(frame, 10, 10);
  const qreal w = window.width(), h = window.height();
  for (QPointF s :
       {QPointF(30, 30), QPointF(w - 30, 30), QPointF(30, h - 30), QPointF(w - 30, h - 30)})
    PaintStar(p, s, 15, QColor(255, 215, 60));
}

// A sheet of paper laid on the tablecloth: a soft shadow, the paper and a wooden edge.
void PaintPaper(QPainter& p, const QRectF& r, Rgb paper) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 45));
  p.drawRoundedRect(r.translated(2, 3), 8, 8);
  p.setBrush(Qc(paper));
  p.setPen(QPen(Qc(looks::ink::kWood), 1.4));
  p.drawRoundedRect(r, 8, 8);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(232, 190, 90), 1));
  p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 6, 6);
}

// The player's figures on a card with every other row shaded at the names' own line pitch,
// and the machine's return on a paper of its own below.
void PaintStatisticsCards(QPainter& p) {
  using namespace statistics_window;
  const auto rect = [](Rect r) { return QRectF(r.left, r.top, r.width, r.height); };
  PaintPaper(p, rect(kFiguresCard), kFiguresPaper);
  const Rect names = SpecOf(Ref(StatisticsEl::Names)).rect;
  const qreal pitch = QFontMetricsF(GameFont(kNames.sizePx, kNames.bold)).lineSpacing();
  const qreal left = kFiguresCard.left + 6, width = kFiguresCard.width - 12;
  p.setPen(Qt::NoPen);
  p.setBrush(Qc(kFiguresRowShade));
  for (int row = 1; row < kFigureRows; row += 2)
    p.drawRect(QRectF(left, names.top + row * pitch, width, pitch));
  const qreal rule = names.top - 2.5;
  p.setPen(QPen(Qc(looks::ink::kWood), 1));
  p.drawLine(QPointF(left + 4, rule), QPointF(left + width - 4, rule));
  PaintPaper(p, rect(kNoteBox), kNotePaper);
}

// The wheel's two top prizes, fifty and twenty-five times the bonus, sit in gold settings with
// a star either side, so the eye finds what the light may stop on before it runs.
void PaintTopPrizeSettings(QPainter& p) {
  for (int cell = 1; cell <= kMegaCells; ++cell) {
    if (kMegaFactors[static_cast<std::size_t>(cell - 1)] < 25) continue;
    const Rect r = SpecOf(Ref(MegaLabel(cell))).rect;
    const QRectF label(r.left, r.top, r.width, r.height);
    const QRectF setting = label.adjusted(-8, -6, 8, 6);
    QRadialGradient glow(setting.center(), setting.width() * 0.7);
    glow.setColorAt(0, QColor(255, 236, 140, 200));
    glow.setColorAt(1, QColor(255, 190, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRoundedRect(setting.adjusted(-10, -8, 10, 8), 18, 18);
    QLinearGradient gold(setting.topLeft(), setting.bottomLeft());
    gold.setColorAt(0, QColor(255, 240, 170));
    gold.setColorAt(0.5, QColor(226, 170, 40));
    gold.setColorAt(1, QColor(150, 96, 10));
    p.setBrush(gold);
    p.setPen(QPen(QColor(90, 50, 6), 1.2));
    p.drawRoundedRect(setting, 10, 10);
    PaintStar(p, QPointF(setting.left() + 2, setting.top() + 2), 7, QColor(255, 230, 90));
    PaintStar(p, QPointF(setting.right() - 2, setting.top() + 2), 7, QColor(255, 230, 90));
  }
}

void PaintLadderRails(QPainter& p) {
  for (qreal x : {212.0, 524.0}) {
    QLinearGradient g(x, 0, x + 10, 0);
    g.setColorAt(0, QColor(120, 70, 20));
    g.setColorAt(0.5, QColor(232, 190, 90));
    g.setColorAt(1, QColor(110, 60, 15));
    p.setPen(QPen(QColor(60, 30, 6), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(x, 92, 10, 330), 4, 4);
  }
}

// A glazed clay plate seen from the side, centred on `centre`.
void PaintClayPlate(QPainter& p, QPointF centre, qreal halfWidth) {
  const QRectF plate(centre.x() - halfWidth, centre.y() - 9, 2 * halfWidth, 18);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 25, 5, 60));
  p.drawEllipse(plate.translated(0, 3));
  QLinearGradient glaze(plate.topLeft(), plate.bottomLeft());
  glaze.setColorAt(0, QColor(214, 140, 70));
  glaze.setColorAt(1, QColor(132, 62, 20));
  p.setPen(QPen(QColor(90, 40, 10), 1.2));
  p.setBrush(glaze);
  p.drawEllipse(plate);
  // The well of the plate, in the cream slip of the tavern's pottery.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 232, 196));
  p.drawEllipse(plate.adjusted(halfWidth * 0.2, 3.5, -halfWidth * 0.2, -4));
}

// A copper lid over a plate not served yet: the rows still to come show as covered dishes.
void PaintCoveredDish(QPainter& p, QPointF base, qreal halfWidth) {
  PaintClayPlate(p, base, halfWidth);
  const qreal r = halfWidth * 0.78, h = 40;
  QPainterPath dome;
  dome.moveTo(base.x() - r, base.y());
  dome.cubicTo(base.x() - r, base.y() - h * 1.3, base.x() + r, base.y() - h * 1.3, base.x() + r,
               base.y());
  dome.closeSubpath();
  QLinearGradient copper(base.x() - r, 0, base.x() + r, 0);
  copper.setColorAt(0, QColor(150, 78, 36));
  copper.setColorAt(0.35, QColor(238, 170, 110));
  copper.setColorAt(0.6, QColor(196, 112, 58));
  copper.setColorAt(1, QColor(120, 58, 24));
  p.setPen(QPen(QColor(88, 40, 14), 1.3));
  p.setBrush(copper);
  p.drawPath(dome);
  // The rolled rim and the knob.
  p.setBrush(QColor(170, 92, 44));
  p.drawRoundedRect(QRectF(base.x() - r - 2, base.y() - 3, 2 * r + 4, 5), 2.5, 2.5);
  p.setBrush(QColor(214, 140, 80));
  p.drawEllipse(QPointF(base.x(), base.y() - h - 3), 5, 4);
}

// The meze table: every vegetable on its plate, the rows not reached yet under copper lids so
// the whole climb shows from the start, and the row in play on a lit runner.
void PaintMezeTable(QPainter& p, const std::function<bool(ElementRef)>& shown) {
  int inPlay = 0;
  for (int row = 0; row < kMezeRows; ++row)
    if (shown(Ref(MezePicture(row, 1)))) inPlay = row;
  const Rect first = SpecOf(Ref(MezePicture(inPlay, 1))).rect;
  const Rect firstTag = SpecOf(Ref(MezeLabel(inPlay, 1))).rect;
  const QRectF runner(14, first.top - 12, 644, firstTag.Bottom() + 4 - (first.top - 12));
  QLinearGradient glow(runner.topLeft(), runner.bottomLeft());
  glow.setColorAt(0, QColor(255, 226, 120, 90));
  glow.setColorAt(1, QColor(255, 200, 80, 40));
  p.setPen(QPen(QColor(200, 150, 40, 150), 1.5));
  p.setBrush(glow);
  p.drawRoundedRect(runner, 12, 12);
  for (int row = 0; row < kMezeRows; ++row) {
    for (int k = 1; k <= kMezeCells; ++k) {
      const ElementRef vegetable = Ref(MezePicture(row, k));
      const Rect art = SpecOf(vegetable).rect;
      const QPointF base(art.Centre().x + 0.5, art.Bottom() - 5);
      if (shown(vegetable))
        PaintClayPlate(p, base, 44);
      else
        PaintCoveredDish(p, base, 44);
    }
  }
}

}  // namespace

void DecorateWindow(QPainter& p, WindowId window, const std::function<bool(ElementRef)>& shown,
                    const QRect& exposed) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const WindowSpec& desc = SpecOf(window);
  switch (window) {
    case WindowId::Main:
      if (exposed.intersects(ReelBezelBounds())) PaintReelBezel(p);
      break;
    case WindowId::MegaBonus:
      PaintTopPrizeSettings(p);
      PaintBulbRing(p, shown);
      break;
    case WindowId::LevelUp:
      PaintLevelPlanks(p);
      break;
    case WindowId::BonusResult:
      PaintFestiveFrame(p, QRect(0, 0, desc.width, desc.height), QPointF(desc.width / 2.0, 105));
      break;
    case WindowId::TimedBonus:
      PaintFestiveFrame(p, QRect(0, 0, desc.width, desc.height),
                        QPointF(SpecOf(Ref(TimedBonusEl::Amount)).rect.Centre().x,
                                SpecOf(Ref(TimedBonusEl::Amount)).rect.Centre().y));
      break;
    case WindowId::Statistics:
      PaintStatisticsCards(p);
      break;
    case WindowId::DoubleUp:
      PaintLadderRails(p);
      break;
    case WindowId::Meze:
      PaintMezeTable(p, shown);
      break;
    default:
      break;
  }
  p.restore();
}

}  // namespace tarvolenka::qt
