// The floor the game's start-up is measured against: an empty Qt window of the main window's
// size, built like the game. With --exit it quits once its first frame is shown.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstring>

#include "qt/frame_marks.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare window"));
  window.setFixedSize(773, 674);
  tarvolenka::qt::MarkFirstFrame(&window);
  window.show();
  if (argc > 1 && std::strcmp(argv[1], "--exit") == 0)
    QTimer::singleShot(0, &app, [] { QCoreApplication::quit(); });
  return app.exec();
}
