// Runs the Qt adapter's tests headless: an offscreen platform and a QApplication for them all.
// A binary built with TARVOLENKA_TEST_SCREEN_WIDTH and _HEIGHT gets a screen of that size, with
// window frames, in place of the platform's small default one.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdlib>

namespace {

#ifdef TARVOLENKA_TEST_SCREEN_WIDTH
QString ScreenPlatform() {
  const QString path = QDir::temp().filePath(
      QStringLiteral("tarvolenka-screen-%1.json").arg(QCoreApplication::applicationPid()));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return QStringLiteral("offscreen");
  file.write(QStringLiteral(R"({"windowFrameMargins": true, "screens": [{"name": "screen",
      "x": 0, "y": 0, "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96,
      "dpr": 1}]})")
                 .arg(TARVOLENKA_TEST_SCREEN_WIDTH)
                 .arg(TARVOLENKA_TEST_SCREEN_HEIGHT)
                 .toUtf8());
  return QStringLiteral("offscreen:configfile=") + path;
}
#endif

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("TARVOLENKA_MUTE", "1", 1);
#ifdef TARVOLENKA_TEST_SCREEN_WIDTH
  const QByteArray platform = ScreenPlatform().toUtf8();
  setenv("QT_QPA_PLATFORM", platform.constData(), 1);
#endif
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  const int status = RUN_ALL_TESTS();
#ifdef TARVOLENKA_TEST_SCREEN_WIDTH
  QFile::remove(QString::fromUtf8(platform).section(QLatin1Char('='), 1));
#endif
  return status;
}
