// Tarvolenka: the slot machine on the Qt desktop. The save file lives in the working
// directory the program is started from, and is opened by its bare name there, so that a
// folder deeper than the system's longest path still works.

#include <QApplication>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "exact/exact.h"
#include "game/game.h"
#include "program/command_line.h"
#include "program/display_check.h"
#include "qt/frame_marks.h"
#include "qt/qt_desktop.h"
#include "qt/session_end.h"
#include "qt/single_instance.h"
#include "qt/zoom.h"

int main(int argc, char** argv) {
  using namespace tarvolenka;
  // The arguments and the display are looked at before anything else, so that asking for help
  // or starting without a desktop opens no window and leaves no file behind.
  const program::Request request =
      program::ParseArguments(std::vector<std::string_view>(argv + 1, argv + argc));
  switch (request.action) {
    case program::Action::Help:
      std::fputs(program::HelpText("tarvolenka").c_str(), stdout);
      return 0;
    case program::Action::Version:
      std::fputs(program::VersionText().c_str(), stdout);
      return 0;
    case program::Action::Refuse:
      std::fprintf(stderr, "tarvolenka: %s\n%s", request.error.c_str(),
                   program::UsageLine("tarvolenka").c_str());
      return 2;
    case program::Action::Play:
      break;
  }
  if (const auto missing = program::MissingDisplay()) {
    std::fputs(missing->c_str(), stderr);
    return 1;
  }
  qt::SessionEnd::HoldSignals();  // before any thread starts
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tarvolenka"));
  // No display name: Qt would append it to every window's title.

  // A second copy on the same save brings the first one forward and leaves the save alone.
  qt::SingleInstance instance(QString::fromUtf8(kSaveFileName));
  if (!instance.first()) {
    instance.ActivateFirst();
    return 0;
  }

  // Rendered pictures are kept in the user's cache folder, e.g. ~/.cache/Tarvolenka/pictures.
  qt::QtDesktop desktop(0, QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                               QStringLiteral("/pictures"));
  FileResult settingsRead;
  // A zoom chosen on a larger screen is shown at the largest that fits this one, and kept.
  desktop.SetZoom(std::min(qt::LoadZoom(desktop.window(WindowId::Main)->size(), settingsRead),
                           desktop.ZoomLimit()));
  // The statistics quote the machine's exact return for the lines and stake being played; the
  // last answer is kept, as players rarely change them.
  auto exactReturn = [cache = std::optional<std::pair<std::pair<int, int>, double>>()](
                         int lines, int stake) mutable -> std::optional<double> {
    if (!cache || cache->first != std::pair(lines, stake)) {
      cache.emplace(std::pair(lines, stake), 100.0 * ComputeExact({.lines = lines}).total);
    }
    return cache->second;
  };
  Game game(desktop, kSaveFileName, exactReturn, qt::UserSettingsPath());
  game.main().SettingsOutcome(settingsRead);
  desktop.onZoomChanged = [&game](int percent) {
    game.main().SettingsOutcome(qt::SaveZoom(percent));
  };
  instance.OnActivation([&desktop] {
    QWidget* main = desktop.window(WindowId::Main);
    main->showNormal();
    main->raise();
    main->activateWindow();
  });
  // SIGTERM, SIGINT, SIGHUP, SIGQUIT and the session's end save the game as closing does; during
  // start-up they end it without touching the save.
  qt::SessionEnd sessionEnd(desktop);
  qt::MarkFirstFrame(desktop.window(WindowId::Main));
  desktop.Start();
  if (desktop.quitStatus()) return *desktop.quitStatus();
  return app.exec();
}
