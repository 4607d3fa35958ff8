// Tarvolenka: the slot machine on the Qt desktop. The save file lives in the working
// directory the program is started from.

#include <QApplication>
#include <filesystem>

#include "game/game.h"
#include "qt/qt_desktop.h"
#include "qt/session_end.h"

int main(int argc, char** argv) {
  tarvolenka::qt::SessionEnd::HoldSignals();  // before any thread starts
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tarvolenka"));
  // No display name: Qt would append it to every window's title.

  tarvolenka::qt::QtDesktop desktop;
  tarvolenka::Game game(desktop, std::filesystem::current_path() / tarvolenka::kSaveFileName);
  desktop.Start();
  // From here on SIGTERM, SIGINT, SIGHUP and the session's end save the game as closing does.
  tarvolenka::qt::SessionEnd sessionEnd(desktop);
  return app.exec();
}
