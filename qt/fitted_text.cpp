#include "qt/fitted_text.h"

#include <QTextOption>
#include <algorithm>

namespace tarvolenka::qt {
namespace {

// Below this the game's lettering stops being readable; a longer text takes more lines.
constexpr int kSmallestPixelSize = 8;
constexpr int kLinesBeforeShrinking = 2;

}  // namespace

FittedText::FittedText(const QString& text, const QFont& font, qreal width) {
  QTextOption option(Qt::AlignHCenter);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  QFont sized = font;
  for (int px = std::max(font.pixelSize(), kSmallestPixelSize);; --px) {
    sized.setPixelSize(px);
    layout_ = std::make_unique<QTextLayout>(text, sized);
    layout_->setTextOption(option);
    layout_->beginLayout();
    widest_ = height_ = 0;
    for (QTextLine line = layout_->createLine(); line.isValid(); line = layout_->createLine()) {
      line.setLineWidth(width);
      line.setPosition(QPointF(0, height_));
      height_ += line.height();
      widest_ = std::max(widest_, line.naturalTextWidth());
    }
    layout_->endLayout();
    if (layout_->lineCount() <= kLinesBeforeShrinking || px <= kSmallestPixelSize) return;
  }
}

void FittedText::Draw(QPainter& p, const QRectF& box) const {
  layout_->draw(&p, QPointF(box.left(), box.top() + (box.height() - height_) / 2));
}

}  // namespace tarvolenka::qt
