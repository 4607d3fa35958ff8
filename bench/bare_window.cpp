// The floor the game's start-up is measured against: an empty Qt window of the main window's
// size, built like the game. With --exit it quits once its first frame is shown. With --tick a
// label on it shows the time, changed once a second as the game's countdown is: the floor of
// the game's idle CPU, which can be no less than one such repaint a second.

#include <QApplication>
#include <QLabel>
#include <QTime>
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
  QTimer ticks;
  if (argc > 1 && std::strcmp(argv[1], "--tick") == 0) {
    auto* clock = new QLabel(&window);
    clock->setGeometry(620, 20, 120, 30);
    QObject::connect(&ticks, &QTimer::timeout, clock,
                     [clock] { clock->setText(QTime::currentTime().toString()); });
    ticks.start(1000);
  }
  window.show();
  if (argc > 1 && std::strcmp(argv[1], "--exit") == 0)
    QTimer::singleShot(0, &app, [] { QCoreApplication::quit(); });
  return app.exec();
}
