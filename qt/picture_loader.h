#pragma once

#include <QPixmap>
#include <QThread>

#include "catalogue/pictures.h"

namespace tarvolenka::qt {

// The one place that turns pictures into pixels: each vector drawing is rendered once at the
// screen's device pixel ratio, so the fixed-size windows stay sharp on dense screens.
class PictureLoader {
 public:
  explicit PictureLoader(qreal devicePixelRatio);
  ~PictureLoader();

  const QPixmap& Get(Picture picture);
  // Renders every picture anew at `dpr` device pixels per logical pixel, as for a zoom.
  void SetDevicePixelRatio(qreal dpr);
  qreal devicePixelRatio() const { return dpr_; }

  // A stand-in for a picture that cannot be loaded, so a missing file shows, not crashes.
  static QPixmap Missing(const PictureSpec& desc, qreal dpr);

 private:
  QImage Render(Picture picture) const;
  qreal dpr_;
  // Pictures are painted on a thread of their own: fonts keep per-thread caches, and the
  // lettering in the drawings must come out the same whichever text the windows showed first.
  QThread painter_;
  QObject* inPainter_ = nullptr;
  std::array<QPixmap, static_cast<std::size_t>(Picture::Count)> cache_;
  std::array<bool, static_cast<std::size_t>(Picture::Count)> loaded_{};
};

}  // namespace tarvolenka::qt
