#pragma once

#include <QImage>
#include <QString>

#include "catalogue/pictures.h"

namespace tarvolenka::qt {

// Turns one vector drawing into pixels at a device pixel ratio, through the cache folder when
// there is one: the cached pixels when they are there and sound, else a rendering, then kept.
// It holds only values fixed at construction, so any number of worker threads may use one at
// once; none of them may be the GUI thread, whose font caches would change the lettering.
class PictureMaker {
 public:
  PictureMaker(qreal devicePixelRatio, QString cacheFolder);

  // The drawing's pixels, or a null image when it cannot be rendered.
  QImage Make(Picture picture) const;
  // The drawing rendered anew, the cache left aside.
  QImage Render(Picture picture) const;
  qreal devicePixelRatio() const { return dpr_; }

 private:
  // The cached pixels of a drawing, or a null image when there are none for its present key.
  QImage ReadCached(Picture picture, quint64 key) const;
  void WriteCached(Picture picture, quint64 key, const QImage& image) const;
  // What the pixels of a drawing depend on: its file, the built-in fonts, the ratio, Qt.
  quint64 CacheKey(Picture picture) const;
  QString CachePath(Picture picture) const;

  qreal dpr_;
  QString cacheFolder_;
  quint64 fontsKey_ = 0;
};

}  // namespace tarvolenka::qt
