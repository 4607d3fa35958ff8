#pragma once

#include <QPixmap>
#include <QString>
#include <QThreadPool>
#include <array>
#include <future>
#include <memory>
#include <span>

#include "catalogue/pictures.h"
#include "qt/picture_maker.h"

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
  // Starts reading or rendering `pictures` on worker threads, in their order, while the GUI
  // thread goes on; Get() then waits only for what is not done yet.
  void Prefetch(std::span<const Picture> pictures);
  // Renders every picture anew at `dpr` device pixels per logical pixel, as for a zoom.
  void SetDevicePixelRatio(qreal dpr);
  qreal devicePixelRatio() const { return maker_->devicePixelRatio(); }

  // A stand-in for a picture that cannot be loaded, so a missing file shows, not crashes.
  static QPixmap Missing(const PictureSpec& desc, qreal dpr);

 private:
  // The drawing's pixels made on a worker: fonts keep per-thread caches, and the lettering in
  // the drawings must come out the same whichever text the windows showed first.
  std::future<QImage> Start(Picture picture);

  QString cacheFolder_;
  std::shared_ptr<const PictureMaker> maker_;
  QThreadPool workers_;
  std::array<std::future<QImage>, static_cast<std::size_t>(Picture::Count)> pending_;
  std::array<QPixmap, static_cast<std::size_t>(Picture::Count)> cache_;
  std::array<bool, static_cast<std::size_t>(Picture::Count)> loaded_{};
};

}  // namespace tarvolenka::qt
