#include "qt/fonts.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QResource>

namespace tarvolenka::qt {

void RegisterGameFonts() {
  static const bool registered = [] {
    // Handed over as the bytes built into the program, not copied: registered by file name, a
    // font is read into memory once to register it and again for every face made from it.
    for (const QString& name : {QStringLiteral(":/fonts/DejaVuSans.ttf"),
                                QStringLiteral(":/fonts/DejaVuSans-Bold.ttf")}) {
      const QResource resource(name);
      if (resource.compressionAlgorithm() == QResource::NoCompression)
        QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
            reinterpret_cast<const char*>(resource.data()), resource.size()));
      else
        QFontDatabase::addApplicationFont(name);
    }
    return true;
  }();
  (void)registered;
}

QFont GameFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace tarvolenka::qt
