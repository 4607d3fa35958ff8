// Test driver for the session-end tests: the game on the real Qt desktop with the program's own
// session-end handling, brought into a situation and left there for a signal or a request to
// quit to end it. Once the situation holds it reports the state in memory, which then holds a
// credit the save file does not know yet:
//
//   READY <the 120 bytes of the state, in hex>
//
//   session_end_driver idle | level | pause | quit | quit-in-level | close
//
//   idle           the main window, nothing running
//   level          the level-up window open, waiting for its OK button (the game waits for it)
//   pause          the hat chooser's pause after a pick
//   quit...        as idle or level, then the application is asked to quit, as a session
//                  manager does at logout
//   close          as idle, then the player closes the main window by its close box

#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <string>

#include "catalogue/hat_chooser_elements.h"
#include "game/game.h"
#include "qt/qt_desktop.h"
#include "qt/session_end.h"

namespace {

using namespace tarvolenka;

void Say(const std::string& line) {
  const std::string text = line + "\n";
  [[maybe_unused]] const ssize_t n = ::write(STDOUT_FILENO, text.data(), text.size());
}

std::string Hex(const SaveBytes& bytes) {
  std::string out;
  char pair[3];
  for (std::uint8_t b : bytes) {
    std::snprintf(pair, sizeof pair, "%02x", b);
    out += pair;
  }
  return out;
}

// Three bonus symbols on the visible rows, so the bonus step opens the chooser.
void PutBonusSymbols(ReelWindow& reels) {
  for (int reel = 1; reel <= 3; ++reel) {
    for (int row = 0; row < kRows; ++row)
      if (reels.at(row, reel) == kBonusSymbol) reels.at(row, reel) = 1;
    reels.at(1, reel) = kBonusSymbol;
  }
}

}  // namespace

int main(int argc, char** argv) {
  qt::SessionEnd::HoldSignals();
  QApplication app(argc, argv);
  qt::QtDesktop desktop(1.0);
  Game game(desktop, std::filesystem::current_path() / kSaveFileName);
  desktop.Start();
  qt::SessionEnd sessionEnd(desktop);

  const std::string scenario = argc > 1 ? argv[1] : "idle";
  const bool quit = scenario.rfind("quit", 0) == 0;
  const bool close = scenario == "close";
  Machine& m = game.machine();
  const auto winUnsaved = [&] {
    m.State.Balance += 4321;
    m.State.LastWin = 4321;
    game.main().RefreshDisplay();
  };
  const auto report = [&] {
    Say("READY " + Hex(Encode(m.State)));
    if (quit) QTimer::singleShot(100, &app, &QCoreApplication::quit);
    if (close) QTimer::singleShot(100, [&] { desktop.window(WindowId::Main)->close(); });
  };

  if (scenario == "idle" || scenario == "quit" || scenario == "close") {
    QTimer::singleShot(0, [&] {
      winUnsaved();
      report();
    });
  } else if (scenario == "level" || scenario == "quit-in-level") {
    // The award is paid as the window opens and saved only once it closes.
    QTimer::singleShot(0, [&] {
      QTimer::singleShot(200, report);
      m.State.Experience = m.State.NextLevelExperience;
      game.main().CheckLevelUp([] {});
    });
  } else if (scenario == "pause") {
    PutBonusSymbols(m.Reels);
    QTimer::singleShot(0, [&] {
      QTimer::singleShot(1500, [&] { desktop.ClickElement(Ref(ChooserHat(1))); });
      QTimer::singleShot(2500, [&] {
        winUnsaved();
        report();
      });
      game.bonus().RunBonus({});
    });
  } else {
    Say("unknown scenario " + scenario);
    return 2;
  }
  return app.exec();
}
