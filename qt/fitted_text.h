#pragma once

#include <QFont>
#include <QPainter>
#include <QSizeF>
#include <QString>
#include <QTextLayout>
#include <memory>

namespace tarvolenka::qt {

// A text laid out whole within a width, for a message that must never be cut: centred lines
// broken between words, or inside a word too long for a line, at the largest size from the
// font's own down to a floor that keeps it within two lines, or at the floor on as many lines
// as it takes. Drawn from this layout, the glyphs stand where they were measured, at any zoom
// and pixel ratio.
class FittedText {
 public:
  FittedText(const QString& text, const QFont& font, qreal width);

  // The widest line and the height of all lines.
  QSizeF size() const { return {widest_, height_}; }
  int pixelSize() const { return layout_->font().pixelSize(); }
  int lineCount() const { return layout_->lineCount(); }
  // Draws the lines centred in `box`, in the painter's pen.
  void Draw(QPainter& p, const QRectF& box) const;

 private:
  std::unique_ptr<QTextLayout> layout_;
  qreal widest_ = 0;
  qreal height_ = 0;
};

}  // namespace tarvolenka::qt
