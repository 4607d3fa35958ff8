#include "qt/styled_label.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "qt/fitted_text.h"
#include "qt/fonts.h"
#include "qt/look_paint.h"

namespace tarvolenka::qt {

StyledLabel::StyledLabel(QWidget* parent, const looks::LabelLook& look, bool panel, Rgb plate)
    : QLabel(parent), look_(look), panel_(panel), plate_(plate) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StyledLabel::TakeClicks(std::function<void()> onClick) {
  onClick_ = std::move(onClick);
  setAttribute(Qt::WA_TransparentForMouseEvents, false);
  setCursor(Qt::PointingHandCursor);
}

void StyledLabel::FitText(int height) {
  fittedHeight_ = height;
  // Clear of the plate's rounded ends.
  setContentsMargins(12, 0, 12, 0);
  Refit();
}

void StyledLabel::ShrinkText(int designPx) {
  shrinkFromPx_ = designPx;
  Refit();
}

void StyledLabel::Refit() {
  if (shrinkFromPx_ > 0) {
    QFont f = font();
    const QRect room(0, 0, width(), QWIDGETSIZE_MAX);
    for (int px = shrinkFromPx_; px >= shrinkFromPx_ * 3 / 4; --px) {
      f.setPixelSize(px);
      const QRect needed = QFontMetrics(f).boundingRect(
          room, static_cast<int>(alignment()) | Qt::TextWordWrap, text());
      if (needed.height() <= height()) break;
    }
    setFont(f);
    update();
  }
  if (fittedHeight_ == 0) return;
  const FittedText fitted(text(), font(), TextRect().width());
  // The text's box leaves the plate's bottom edge out; four pixels above and below give the
  // lines air.
  const int needed = static_cast<int>(std::ceil(fitted.size().height())) + 8;
  const int height = std::max(fittedHeight_, needed);
  if (height != this->height()) resize(width(), height);
  update();
}

void StyledLabel::SetPlate(Rgb plate) {
  if (plate == plate_) return;
  plate_ = plate;
  update();
}

void StyledLabel::mousePressEvent(QMouseEvent* e) {
  click_.Press(*e);
}

void StyledLabel::mouseReleaseEvent(QMouseEvent* e) {
  if (click_.Release(*e, rect()) && onClick_) onClick_();
}

void StyledLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(rect());
  Rgb ink = look_.ink;
  switch (look_.backing) {
    case looks::Backing::Plate: {
      const QColor c = palette().color(QPalette::Window);
      const Rgb base =
          panel_ ? Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                       static_cast<std::uint8_t>(c.blue())}
                 : plate_;
      PaintPlate(p, r, base, std::min(10.0, r.height() / 4));
      ink = looks::InkOnPlate(look_, base);
      break;
    }
    case looks::Backing::Tag:
      PaintTag(p, r, plate_);
      ink = looks::InkOnPlate(look_, plate_);
      break;
    case looks::Backing::Bare:
    case looks::Backing::Lettering:
      break;
  }
  const QRectF textRect = TextRect();
  if (fittedHeight_ > 0) {
    p.setPen(Qc(ink));
    FittedText(text(), font(), textRect.width()).Draw(p, textRect);
    return;
  }
  // The text flags ride with the alignment into QPainter::drawText.
  const Qt::Alignment align =
      Qt::Alignment::fromInt(alignment().toInt() | (wordWrap() ? Qt::TextWordWrap : 0));
  PaintText(p, textRect, align, text(), font(), ink, look_.backing == looks::Backing::Lettering,
            look_.ground);
}

QRectF StyledLabel::TextRect() const {
  QRectF textRect(contentsRect());
  const qreal h = height();
  if (look_.backing == looks::Backing::Tag) textRect.adjust(h * 0.3, 0, 0, -2);
  if (look_.backing == looks::Backing::Plate) textRect.adjust(0, 0, -1, -2);
  if (look_.backing == looks::Backing::Plate && (alignment() & Qt::AlignLeft) != 0)
    textRect.adjust(10, 0, 0, 0);
  return textRect;
}

CaptionTag::CaptionTag(QWidget* parent, const QString& text, QWidget* follows)
    : QWidget(parent), text_(text) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFont(GameFont(10, true));
  if (follows != nullptr) {
    follows->installEventFilter(this);
    setVisible(follows->isVisibleTo(parent));
  }
}

bool CaptionTag::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShowToParent) show();
  if (event->type() == QEvent::HideToParent) hide();
  return QWidget::eventFilter(watched, event);
}

void CaptionTag::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  PaintPlate(p, QRectF(rect()), looks::kCaptionTag, 5);
  PaintText(p, QRectF(rect()).adjusted(0, 0, -1, -2), Qt::AlignCenter, text_, font(),
            looks::kCaptionInk, false, {});
}

}  // namespace tarvolenka::qt
