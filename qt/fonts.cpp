#include "qt/fonts.h"

#include <QFontDatabase>

namespace tarvolenka::qt {

void RegisterGameFonts() {
  static const bool registered = [] {
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DejaVuSans.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DejaVuSans-Bold.ttf"));
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
