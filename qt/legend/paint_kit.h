#pragma once

// The legend's palette and the small drawing pieces its sections share.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

#include "catalogue/geometry.h"
#include "core/reels.h"

namespace tarvolenka::legend {

namespace palette {
inline const QColor kPaper{251, 243, 223};      // warm cream of the whole sheet
inline const QColor kCard{255, 251, 241};       // lighter cream of panels and cards
inline const QColor kDarkRed{139, 26, 26};      // headings, badges, frame
inline const QColor kGold{184, 134, 46};        // thin trims
inline const QColor kInk{59, 35, 20};           // body text
inline const QColor kGridLines{90, 58, 26};     // the payline grids
inline const QColor kLineCell{216, 24, 24};     // a cell on the payline
inline const QColor kEmptyCell{255, 253, 246};  // a cell off the payline
inline const QColor kSmallPrint{125, 85, 45};   // the pays per unit under the credits
}  // namespace palette

inline QRect ToQRect(Rect r) {
  return {r.left, r.top, r.width, r.height};
}

class PaintKit {
 public:
  PaintKit(QPainter& painter, QString fontFamily, QString pictureDir);

  QFont Font(int pixelSize, bool bold) const;
  // Draws a reel symbol's picture into `box`; returns false if its file is missing or bad.
  bool Symbol(SymbolId symbol, QRect box);
  // A heading centred in `box` with gold rules running out to `ruleFrom` .. `ruleTo`.
  void Heading(const QString& text, QRect box, int pixelSize, int ruleFrom, int ruleTo);
  // The gold rules of a heading written over the picture later: from `ruleFrom` to the left of
  // `box`, and from its right to `ruleTo`.
  void RulesBeside(QRect box, int ruleFrom, int ruleTo);
  // A rounded cream panel with a gold trim.
  void Panel(QRect box, const QColor& fill);
  // The white-green-red flag on a little pole, waving slightly.
  void Flag(QRect box);

  QPainter& painter() { return p_; }

 private:
  QPainter& p_;
  QString family_;
  QString pictureDir_;
};

}  // namespace tarvolenka::legend
