// Tarvolenka: the slot machine on the Qt desktop. The save file lives in the working
// directory the program is started from.

#include <QApplication>
#include <filesystem>

#include "game.h"
#include "qt_desktop.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tarvolenka"));
  QApplication::setApplicationDisplayName(QStringLiteral("Tarvolenka"));

  tarvolenka::qt::QtDesktop desktop;
  tarvolenka::Game game(desktop, std::filesystem::current_path() / tarvolenka::kSaveFileName);
  desktop.Start();
  return app.exec();
}
