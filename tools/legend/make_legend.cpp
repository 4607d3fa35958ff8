// Build-time tool: renders the legend picture from the game's tables and writes it as a
// baseline JPEG. Usage: make_legend OUT.jpg FONTDIR PICTUREDIR

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <vector>

#include "qt/legend/legend_layout.h"
#include "qt/legend/legend_painter.h"
#include "tools/legend/jpeg_encoder.h"

namespace {

constexpr int kQuality = 90;

int Fail(const QString& message) {
  std::fprintf(stderr, "make_legend: %s\n", qPrintable(message));
  return 1;
}

// Registers the bundled fonts so the picture is the same on every build machine.
QString LoadFonts(const QString& fontDir) {
  const int regular = QFontDatabase::addApplicationFont(fontDir + "/DejaVuSans.ttf");
  const int bold = QFontDatabase::addApplicationFont(fontDir + "/DejaVuSans-Bold.ttf");
  if (regular < 0 || bold < 0) return {};
  return QFontDatabase::applicationFontFamilies(regular).value(0);
}

bool WriteFile(const QString& path, const std::vector<unsigned char>& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) return false;
  return file.commit();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_legend OUT.jpg FONTDIR PICTUREDIR\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");  // a build machine need not have a display
  QGuiApplication app(argc, argv);
  const QString out = QString::fromLocal8Bit(argv[1]);
  const QString family = LoadFonts(QString::fromLocal8Bit(argv[2]));
  if (family.isEmpty()) return Fail(QStringLiteral("cannot load the fonts of %1").arg(argv[2]));

  using namespace tarvolenka::legend;
  QImage picture;
  QString error;
  if (!PaintLegend(MakeLegendLayout(), family, QString::fromLocal8Bit(argv[3]), picture, error))
    return Fail(error);
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
  std::vector<unsigned char> pixels;
  pixels.reserve(static_cast<std::size_t>(kWidth) * kHeight * 3);
  for (int y = 0; y < rgb.height(); ++y) {
    const uchar* row = rgb.constScanLine(y);
    pixels.insert(pixels.end(), row, row + static_cast<std::ptrdiff_t>(kWidth) * 3);
  }
  std::vector<unsigned char> jpeg;
  if (!EncodeJpeg(pixels.data(), kWidth, kHeight, kQuality, jpeg))
    return Fail(QStringLiteral("libjpeg could not encode the picture"));
  if (!WriteFile(out, jpeg)) return Fail(QStringLiteral("cannot write %1").arg(out));
  return 0;
}
