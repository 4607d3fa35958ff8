#include "qt/picture_maker.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <cstring>
#include <filesystem>
#include <string>

#include "core/file_access.h"
#include "qt/legend/legend_layout.h"
#include "qt/legend/legend_painter.h"

namespace tarvolenka::qt {
namespace {

QString SvgResource(const PictureSpec& desc) {
  return QStringLiteral(":/pictures/%1.svg")
      .arg(QString::fromUtf8(desc.file.data(), static_cast<int>(desc.file.size())));
}

// FNV-1a, enough to tell one drawing's inputs from another's.
quint64 Mix(quint64 hash, const void* bytes, std::size_t size) {
  const auto* b = static_cast<const unsigned char*>(bytes);
  for (std::size_t i = 0; i < size; ++i) hash = (hash ^ b[i]) * 0x100000001b3ULL;
  return hash;
}

// Raised whenever Render() paints the same drawing differently.
constexpr quint32 kRenderingVersion = 1;
constexpr quint32 kCacheMagic = 0x32505654;  // "TVP2"

// A cached picture: this header, then the rows of premultiplied ARGB32, without padding. The
// pixels' checksum is checked at every load: the cache is a file anyone may change, and the
// reels shown must be the reels paid.
struct CacheHeader {
  quint32 magic;
  quint32 width;
  quint32 height;
  quint32 reserved;
  quint64 key;
  quint64 pixelsChecksum;
};

// A word at a time, so that checking a screenful of pictures costs a fraction of reading them.
quint64 PixelsChecksum(const uchar* bytes, std::size_t size) {
  quint64 hash = 0x9e3779b97f4a7c15ULL ^ size;
  std::size_t i = 0;
  for (; i + 8 <= size; i += 8) {
    quint64 word;
    std::memcpy(&word, bytes + i, 8);
    hash = (hash ^ word) * 0x100000001b3ULL;
    hash ^= hash >> 29;
  }
  for (; i < size; ++i) hash = (hash ^ bytes[i]) * 0x100000001b3ULL;
  return hash;
}

std::filesystem::path AsPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

PictureMaker::PictureMaker(qreal devicePixelRatio, QString cacheFolder)
    : dpr_(devicePixelRatio), cacheFolder_(std::move(cacheFolder)) {
  if (cacheFolder_.isEmpty()) return;
  // The lettering in the drawings is set in the built-in fonts.
  quint64 key = 0xcbf29ce484222325ULL;
  key = Mix(key, &kRenderingVersion, sizeof kRenderingVersion);
  const QByteArray qt(qVersion());
  key = Mix(key, qt.constData(), static_cast<std::size_t>(qt.size()));
  for (const QString& font :
       {QStringLiteral(":/fonts/DejaVuSans.ttf"), QStringLiteral(":/fonts/DejaVuSans-Bold.ttf")}) {
    const QResource resource(font);
    const qint64 stamp[] = {resource.size(), resource.lastModified().toMSecsSinceEpoch()};
    key = Mix(key, stamp, sizeof stamp);
  }
  fontsKey_ = key;
}

QImage PictureMaker::Make(Picture picture) const {
  // The legend is not kept: its painting is code, not a file whose bytes name it.
  const bool keep = !cacheFolder_.isEmpty() && picture != Picture::Legend;
  const quint64 key = keep ? CacheKey(picture) : 0;
  QImage image = keep ? ReadCached(picture, key) : QImage();
  if (image.isNull()) {
    image = Render(picture);
    if (keep && !image.isNull()) WriteCached(picture, key, image);
  }
  return image;
}

QImage PictureMaker::Render(Picture picture) const {
  const PictureSpec& desc = SpecOf(picture);
  QImage image;
  if (picture == Picture::Legend) {
    QString error;
    if (!legend::PaintLegend(legend::MakeLegendLayout(), QStringLiteral("DejaVu Sans"),
                             QStringLiteral(":/pictures"), image, error, dpr_))
      return {};
    return image;
  }
  QSvgRenderer renderer(SvgResource(desc));
  if (!renderer.isValid()) return {};
  image = QImage(QSize(desc.width, desc.height) * dpr_, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(image.size())));
  }
  image.setDevicePixelRatio(dpr_);
  return image;
}

quint64 PictureMaker::CacheKey(Picture picture) const {
  // The drawing's bytes as built into the program, still compressed: they name it as well as
  // its text does, without the cost of unpacking it.
  const QResource resource(SvgResource(SpecOf(picture)));
  if (!resource.isValid() || resource.data() == nullptr) return 0;
  const qint64 compression = static_cast<qint64>(resource.compressionAlgorithm());
  quint64 key = Mix(fontsKey_, &compression, sizeof compression);
  key = Mix(key, resource.data(), static_cast<std::size_t>(resource.size()));
  return Mix(key, &dpr_, sizeof dpr_);
}

QString PictureMaker::CachePath(Picture picture) const {
  const PictureSpec& desc = SpecOf(picture);
  return QStringLiteral("%1/%2@%3.argb")
      .arg(cacheFolder_, QString::fromUtf8(desc.file.data(), static_cast<int>(desc.file.size())))
      .arg(qRound(dpr_ * 1000));
}

QImage PictureMaker::ReadCached(Picture picture, quint64 key) const {
  const PictureSpec& desc = SpecOf(picture);
  const QSize size = QSize(desc.width, desc.height) * dpr_;
  const auto pixelBytes = static_cast<std::size_t>(size.width()) * 4 * size.height();
  const OpenedFile file = OpenForReading(AsPath(CachePath(picture)), LinkRule::Refuse);
  if (!file.fd.valid() || file.size != static_cast<off_t>(sizeof(CacheHeader) + pixelBytes))
    return {};
  std::string bytes;
  if (!ReadAt(file.fd.get(), 0, sizeof(CacheHeader) + pixelBytes, bytes) ||
      bytes.size() != sizeof(CacheHeader) + pixelBytes)
    return {};
  CacheHeader header{};
  std::memcpy(&header, bytes.data(), sizeof header);
  const auto* pixels = reinterpret_cast<const uchar*>(bytes.data()) + sizeof header;
  if (header.magic != kCacheMagic || header.key != key ||
      header.width != static_cast<quint32>(size.width()) ||
      header.height != static_cast<quint32>(size.height()) ||
      header.pixelsChecksum != PixelsChecksum(pixels, pixelBytes))
    return {};
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  const std::size_t row = static_cast<std::size_t>(size.width()) * 4;
  for (int y = 0; y < size.height(); ++y)
    std::memcpy(image.scanLine(y), pixels + row * static_cast<std::size_t>(y), row);
  image.setDevicePixelRatio(dpr_);
  return image;
}

void PictureMaker::WriteCached(Picture picture, quint64 key, const QImage& image) const {
  // Written aside and renamed into place, so a reader never sees half a picture; a folder that
  // cannot be written only costs the rendering next time.
  if (image.format() != QImage::Format_ARGB32_Premultiplied || !QDir().mkpath(cacheFolder_)) return;
  const std::size_t row = static_cast<std::size_t>(image.width()) * 4;
  std::string contents(sizeof(CacheHeader) + row * static_cast<std::size_t>(image.height()), '\0');
  auto* pixels = reinterpret_cast<uchar*>(contents.data()) + sizeof(CacheHeader);
  for (int y = 0; y < image.height(); ++y)
    std::memcpy(pixels + row * static_cast<std::size_t>(y), image.constScanLine(y), row);
  const CacheHeader header{kCacheMagic,
                           static_cast<quint32>(image.width()),
                           static_cast<quint32>(image.height()),
                           0,
                           key,
                           PixelsChecksum(pixels, contents.size() - sizeof(CacheHeader))};
  std::memcpy(contents.data(), &header, sizeof header);
  ReplaceFile(AsPath(CachePath(picture)), contents, {LinkRule::Refuse, false, 0});
}

}  // namespace tarvolenka::qt
