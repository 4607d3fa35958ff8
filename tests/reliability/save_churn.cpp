// Test driver for the kill tests: the game on the real Qt desktop, in the working directory,
// saving through the real save path in a tight loop while its windows paint and tick. It
// starts from the churn state the save file holds and writes the following ones, each through
// the main window's SaveGame, reporting on stdout:
//
//   LOADED n   the churn state found at start-up (exit 2 when the file holds none)
//   READY      saving begins
//   SAVED n    state n is on disk
//
// The kill harness SIGKILLs it at random moments and checks the file after each death.

#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <filesystem>
#include <string>

#include "game/game.h"
#include "qt/qt_desktop.h"
#include "tests/reliability/churn_state.h"

namespace {

void Say(const std::string& line) {
  const std::string text = line + "\n";
  [[maybe_unused]] const ssize_t n = ::write(STDOUT_FILENO, text.data(), text.size());
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tarvolenka;
  QApplication app(argc, argv);
  qt::QtDesktop desktop(1.0);
  Game game(desktop, std::filesystem::current_path() / kSaveFileName);
  desktop.Start();

  const auto loaded = testing::ChurnNumber(Encode(game.machine().State));
  if (!loaded) {
    Say("LOADED none");
    return 2;
  }
  std::uint32_t n = *loaded;
  Say("LOADED " + std::to_string(n));

  QTimer churn;
  churn.setInterval(0);
  QObject::connect(&churn, &QTimer::timeout, [&] {
    ++n;
    game.machine().State = testing::ChurnState(n);
    game.main().SaveGame();
    Say("SAVED " + std::to_string(n));
  });
  churn.start();
  Say("READY");
  return app.exec();
}
