#include "picture_loader.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tarvolenka::qt {

PictureLoader::PictureLoader(qreal devicePixelRatio) : dpr_(devicePixelRatio) {}

QPixmap PictureLoader::Missing(const PictureSpec& spec, qreal dpr) {
  QPixmap pixmap(QSize(spec.width, spec.height) * dpr);
  pixmap.setDevicePixelRatio(dpr);
  pixmap.fill(QColor(128, 128, 128));
  QPainter p(&pixmap);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, spec.width, spec.height), Qt::AlignCenter | Qt::TextWordWrap,
             QString::fromUtf8(spec.file.data(), static_cast<int>(spec.file.size())));
  return pixmap;
}

const QPixmap& PictureLoader::Get(Picture picture) {
  const auto i = static_cast<std::size_t>(picture);
  if (loaded_[i]) return cache_[i];
  loaded_[i] = true;
  const PictureSpec& spec = SpecOf(picture);
  if (picture == Picture::None) return cache_[i];
  const QString file = QStringLiteral(":/pictures/%1.svg")
                           .arg(QString::fromUtf8(spec.file.data(), static_cast<int>(spec.file.size())));
  QSvgRenderer renderer(file);
  if (!renderer.isValid()) {
    cache_[i] = Missing(spec, dpr_);
    return cache_[i];
  }
  QPixmap pixmap(QSize(spec.width, spec.height) * dpr_);
  pixmap.fill(Qt::transparent);
  {
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
  }
  pixmap.setDevicePixelRatio(dpr_);
  cache_[i] = pixmap;
  return cache_[i];
}

}  // namespace tarvolenka::qt
