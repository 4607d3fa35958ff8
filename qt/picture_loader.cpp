#include "qt/picture_loader.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "qt/jpeg_decoder.h"
#include "qt/legend/legend_layout.h"
#include "qt/legend/legend_painter.h"

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

}  // namespace

PictureLoader::PictureLoader(qreal devicePixelRatio) : dpr_(devicePixelRatio) {
  painter_.setObjectName(QStringLiteral("pictures"));
  painter_.start();
  inPainter_ = new QObject;
  inPainter_->moveToThread(&painter_);
}

PictureLoader::~PictureLoader() {
  inPainter_->deleteLater();
  painter_.quit();
  painter_.wait();
}

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
  if (dpr == dpr_) return;
  dpr_ = dpr;
  cache_ = {};
  loaded_ = {};
}

const QPixmap& PictureLoader::Get(Picture picture) {
  const auto i = static_cast<std::size_t>(picture);
  if (loaded_[i]) return cache_[i];
  loaded_[i] = true;
  const PictureSpec& desc = SpecOf(picture);
  if (picture == Picture::None) return cache_[i];
  if (picture == Picture::Legend && dpr_ == 1.0) {
    // At 1 the picture built in; at any other ratio the same painting, done at that ratio.
    cache_[i] = LoadJpegPicture(QStringLiteral(":/legend/legend.jpg"), desc, dpr_);
  } else {
    QImage image;
    QMetaObject::invokeMethod(
        inPainter_, [this, picture, &image] { image = Render(picture); },
        Qt::BlockingQueuedConnection);
    if (!image.isNull()) cache_[i] = QPixmap::fromImage(std::move(image));
  }
  if (cache_[i].isNull()) cache_[i] = Missing(desc, dpr_);
  return cache_[i];
}

QImage PictureLoader::Render(Picture picture) const {
  const PictureSpec& desc = SpecOf(picture);
  QImage image;
  if (picture == Picture::Legend) {
    QString error;
    if (!legend::PaintLegend(legend::MakeLegendLayout(), QStringLiteral("DejaVu Sans"),
                             QStringLiteral(":/pictures"), image, error, dpr_))
      return {};
    return image;
  }
  const QString file =
      QStringLiteral(":/pictures/%1.svg")
          .arg(QString::fromUtf8(desc.file.data(), static_cast<int>(desc.file.size())));
  QSvgRenderer renderer(file);
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

}  // namespace tarvolenka::qt
