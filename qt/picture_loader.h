#pragma once

#include <QPixmap>
#include <QString>
#include <QThread>

#include "catalogue/pictures.h"

namespace tarvolenka::qt {

// The one place that turns pictures into pixels: each vector drawing is rendered once at the
// screen's device pixel ratio, so the fixed-size windows stay sharp on dense screens.
// Given a cache folder, the pixels of each drawing are kept there too, and a later start reads
// them back instead of rendering the drawing again: rendering is most of the start-up.
class PictureLoader {
 public:
  explicit PictureLoader(qreal devicePixelRatio, QString cacheFolder = {});
  ~PictureLoader();

  const QPixmap& Get(Picture picture);
  // Renders every picture anew at `dpr` device pixels per logical pixel, as for a zoom.
  void SetDevicePixelRatio(qreal dpr);
  qreal devicePixelRatio() const { return dpr_; }

  // A stand-in for a picture that cannot be loaded, so a missing file shows, not crashes.
  static QPixmap Missing(const PictureSpec& desc, qreal dpr);

 private:
  QImage Render(Picture picture) const;
  // The cached pixels of a drawing, or a null image when there are none for its present key.
  QImage ReadCached(Picture picture, quint64 key) const;
  void WriteCached(Picture picture, quint64 key, const QImage& image) const;
  // What the pixels of a drawing depend on: its file, the built-in fonts, the ratio, Qt.
  quint64 CacheKey(Picture picture) const;
  QString CachePath(Picture picture) const;
  qreal dpr_;
  QString cacheFolder_;
  quint64 fontsKey_ = 0;
  // Pictures are painted on a thread of their own: fonts keep per-thread caches, and the
  // lettering in the drawings must come out the same whichever text the windows showed first.
  QThread painter_;
  QObject* inPainter_ = nullptr;
  std::array<QPixmap, static_cast<std::size_t>(Picture::Count)> cache_;
  std::array<bool, static_cast<std::size_t>(Picture::Count)> loaded_{};
};

}  // namespace tarvolenka::qt
