#pragma once

// Texts as the tavern draws them: on a plate, on a price tag, as outlined lettering or bare,
// each as the catalogue's looks give it; and the small wooden captions that name a counter.

#include <QLabel>

#include <functional>

#include "catalogue/looks.h"
#include "qt/click_gesture.h"

namespace tarvolenka::qt {

class StyledLabel : public QLabel {
  Q_OBJECT

 public:
  // `plate` is the plate or tag colour; a panel's plate follows its palette's window colour.
  StyledLabel(QWidget* parent, const looks::LabelLook& look, bool panel, Rgb plate);

  // A text that takes clicks, as the history's rows and buttons do; others let clicks through.
  void TakeClicks(std::function<void()> onClick);
  // What a click does; empty for a label that lets clicks through.
  const std::function<void()>& onClick() const { return onClick_; }
  // A text shown whole (FittedText): the label keeps its width and top, and takes the height
  // its lines need, never less than `height`. Call Refit once the text has changed.
  void FitText(int height);
  void Refit();
  // Wrapped text in the largest font, from `designPx` down to three quarters of it, whose
  // lines fit the label's height. Refit applies it again to a new text.
  void ShrinkText(int designPx);
  // A new plate or tag colour for a label; a panel follows its palette instead.
  void SetPlate(Rgb plate);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  // The text's box inside the label, clear of the backing's edges.
  QRectF TextRect() const;

  looks::LabelLook look_;
  bool panel_;
  Rgb plate_;
  int shrinkFromPx_ = 0;
  std::function<void()> onClick_;
  ClickGesture click_;
  int fittedHeight_ = 0;  // the least height of a label fitted to its text; 0 when not fitted
};

// A caption on a small wooden tag; it shows and hides with the element it names.
class CaptionTag : public QWidget {
 public:
  CaptionTag(QWidget* parent, const QString& text, QWidget* follows);
  const QString& text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString text_;
};

}  // namespace tarvolenka::qt
