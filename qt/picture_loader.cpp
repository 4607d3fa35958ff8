#include "qt/picture_loader.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include "qt/jpeg_decoder.h"

namespace tarvolenka::qt {
namespace {

// The legend is a JPEG rendered at build time and built into the program; it is decoded with
// libjpeg at the size of its picture. A null pixmap means it could not be read.
QPixmap LoadJpegPicture(const QString& resource, const PictureSpec& desc, qreal dpr) {
  QFile file(resource);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  DecodedImage decoded;
  if (!DecodeJpeg(reinterpret_cast<const unsigned char*>(bytes.constData()),
                  static_cast<std::size_t>(bytes.size()), decoded))
    return {};
  QImage image(decoded.pixels.data(), decoded.width, decoded.height, decoded.width * 3,
               QImage::Format_RGB888);
  const QSize target = QSize(desc.width, desc.height) * dpr;
  QPixmap pixmap =
      QPixmap::fromImage(image.size() == target ? image.copy()
                                                : image.scaled(target, Qt::IgnoreAspectRatio,
                                                               Qt::SmoothTransformation));
  pixmap.setDevicePixelRatio(dpr);
  return pixmap;
}

// At 1 the legend is the picture built in; at any other ratio the same painting, done then.
bool IsBuiltInLegend(Picture picture, qreal dpr) {
  return picture == Picture::Legend && dpr == 1.0;
}

}  // namespace

PictureLoader::PictureLoader(qreal devicePixelRatio, QString cacheFolder)
    : cacheFolder_(std::move(cacheFolder)),
      maker_(std::make_shared<const PictureMaker>(devicePixelRatio, cacheFolder_)) {
  workers_.setObjectName(QStringLiteral("pictures"));
}

// The pool waits for the pictures still being made: each holds the maker, not the loader.
PictureLoader::~PictureLoader() = default;

QPixmap PictureLoader::Missing(const PictureSpec& desc, qreal dpr) {
  QPixmap pixmap(QSize(desc.width, desc.height) * dpr);
  pixmap.setDevicePixelRatio(dpr);
  pixmap.fill(QColor(128, 128, 128));
  QPainter p(&pixmap);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, desc.width, desc.height), Qt::AlignCenter | Qt::TextWordWrap,
             QString::fromUtf8(desc.file.data(), static_cast<int>(desc.file.size())));
  return pixmap;
}

void PictureLoader::SetDevicePixelRatio(qreal dpr) {
  if (dpr == devicePixelRatio()) return;
  // Pictures still being made at the old ratio finish unseen.
  maker_ = std::make_shared<const PictureMaker>(dpr, cacheFolder_);
  pending_ = {};
  cache_ = {};
  loaded_ = {};
}

std::future<QImage> PictureLoader::Start(Picture picture) {
  auto task = std::make_shared<std::packaged_task<QImage()>>(
      [maker = maker_, picture] { return maker->Make(picture); });
  std::future<QImage> made = task->get_future();
  workers_.start([task] { (*task)(); });
  return made;
}

void PictureLoader::Prefetch(std::span<const Picture> pictures) {
  for (const Picture picture : pictures) {
    const auto i = static_cast<std::size_t>(picture);
    if (picture == Picture::None || loaded_[i] || pending_[i].valid() ||
        IsBuiltInLegend(picture, devicePixelRatio()))
      continue;
    pending_[i] = Start(picture);
  }
}

const QPixmap& PictureLoader::Get(Picture picture) {
  const auto i = static_cast<std::size_t>(picture);
  if (loaded_[i]) return cache_[i];
  loaded_[i] = true;
  const PictureSpec& desc = SpecOf(picture);
  if (picture == Picture::None) return cache_[i];
  const qreal dpr = devicePixelRatio();
  if (IsBuiltInLegend(picture, dpr)) {
    cache_[i] = LoadJpegPicture(QStringLiteral(":/legend/legend.jpg"), desc, dpr);
  } else {
    if (!pending_[i].valid()) pending_[i] = Start(picture);
    QImage image = pending_[i].get();
    if (!image.isNull()) cache_[i] = QPixmap::fromImage(std::move(image));
  }
  if (cache_[i].isNull()) cache_[i] = Missing(desc, dpr);
  return cache_[i];
}

}  // namespace tarvolenka::qt
