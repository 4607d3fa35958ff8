// Renders every window of the game headless into PNG files, for reviewing the art and for
// the README: gallery OUTDIR [device-pixel-ratio [picture-cache-folder]]. With a cache folder the
// pictures are read from it as the program reads them, which must give the same pixels.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "catalogue/cups_elements.h"
#include "catalogue/golden_board_elements.h"
#include "catalogue/meze_elements.h"
#include "game/game.h"
#include "qt/qt_desktop.h"
#include "qt/window_shot.h"

using namespace tarvolenka;

namespace {

struct Shot {
  WindowId window;
  const char* file;
  std::function<void(Game&, qt::QtDesktop&)> prepare;  // shapes the state before opening
  std::function<void(Game&, qt::QtDesktop&)> play;     // clicks made once it shows
};

// The desktop with a clock that stands still, so that every run draws the same bonus games
// and counters: two galleries can then be compared byte for byte.
class StillClockDesktop : public qt::QtDesktop {
 public:
  using QtDesktop::QtDesktop;
  DateTime NowLocal() const override { return 46000.5; }  // 9 December 2025, noon
  std::uint32_t MillisSinceMidnightUtc() const override { return 43'200'000; }
};

void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool Save(QWidget* window, const QDir& dir, const char* file, qreal ratio) {
  Settle();
  const QPixmap shot = qt::ShootWindow(*window, ratio);
  const bool ok = shot.save(dir.filePath(QString::fromLatin1(file)));
  std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "FAILED", file, shot.width(), shot.height());
  return ok;
}

// A reel window with a vodka win on three lines, or with five vodkas across for a big win.
void ShowWinningScreen(Game& game, bool big) {
  Machine& m = game.machine();
  const SymbolId rows[4][5] = {
      {2, 3, 4, 7, 6},
      {3, 7, 12, 2, 9},
      {10, 10, 10, big ? SymbolId{10} : SymbolId{1}, big ? SymbolId{10} : SymbolId{8}},
      {4, 6, 5, 11, 15}};
  for (int r = 0; r < 4; ++r)
    for (int c = 1; c <= 5; ++c) m.Reels.at(r, c) = rows[r][c - 1];
  m.State.LastWin = EvaluateLines(m.Reels, m.WinningLines) * m.State.LineStake;
  game.main().LoadCellPictures();
  game.main().AnnounceWin();
  game.main().DrawReels();
  game.main().DrawWinningLines();
  game.main().EnableControls();
  game.main().RefreshDisplay();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gallery OUTDIR [device-pixel-ratio [picture-cache-folder]]\n");
    return 2;
  }
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("TARVOLENKA_MUTE", "1", 1);
  QApplication app(argc, argv);
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  QDir().mkpath(dir.path());
  const qreal dpr = argc > 2 ? std::atof(argv[2]) : 1.0;

  // A folder of its own for the save and its resume record: a gallery run cut short, or one
  // running beside it, must not hand this one a bonus game to resume.
  const QTemporaryDir saveDir;
  const auto save = std::filesystem::path(saveDir.path().toStdString()) / "tarvolenka-gallery.cfg";
  StillClockDesktop desktop(dpr, argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
  Game game(desktop, save);
  desktop.Start();
  Machine& m = game.machine();
  m.State.Experience = 13250;
  ShowWinningScreen(game, true);
  bool ok = Save(desktop.window(WindowId::Main), dir, "main-big-win.png", dpr);
  ShowWinningScreen(game, false);
  ok = Save(desktop.window(WindowId::Main), dir, "main.png", dpr) && ok;

  m.State.TimedBonusAmount = 300;
  m.State.Level = 3;
  m.State.MaxLineStake = 30;
  m.State.MegaBonusCeiling = 6000;
  m.BonusSymbolCount = 3;
  m.BottleChoice = 3;
  m.BonusMultiplier = 4;
  m.BonusAmount = 60;
  const Shot shots[] = {
      {WindowId::Legend, "legend.png", {}, {}},
      {WindowId::DoubleUp,
       "double-up.png",
       [](Game& g, qt::QtDesktop&) { g.machine().State.LastWin = 40; },
       {}},
      {WindowId::HatChooser, "chooser.png", {}, {}},
      {WindowId::Meze,
       "meze.png",
       [](Game& g, qt::QtDesktop&) { g.machine().BonusAmount = 0; },
       {}},
      // The meze bonus after its first row: the pick, the revealed row, the next row open.
      {WindowId::Meze, "meze-played.png",
       [](Game& g, qt::QtDesktop&) { g.machine().BonusAmount = 0; },
       [](Game&, qt::QtDesktop& d) { d.ClickElement(Ref(MezePicture(0, 3))); }},
      {WindowId::GoldenPick, "golden-pick.png", {}, {}},
      {WindowId::GoldenBoard, "golden-board.png",
       [](Game& g, qt::QtDesktop&) { g.machine().GoldenPick = 4; },
       [](Game&, qt::QtDesktop& d) {
         for (int cell : {6, 11, 1}) d.ClickElement(Ref(BoardCell(cell)));  // three cannot end it
       }},
      {WindowId::Bottles, "bottles.png", {}, {}},
      {WindowId::Cups, "cups.png",
       [](Game& g, qt::QtDesktop&) {
         g.machine().BonusMultiplier = 4;  // as the bottles bonus left them
         g.machine().BottleChoice = 3;
       },
       [](Game&, qt::QtDesktop& d) {
         for (int cup : {2, 9}) d.ClickElement(Ref(Cup(cup)));  // two cups cannot end it
       }},
      {WindowId::BonusResult,
       "result.png",
       [](Game& g, qt::QtDesktop&) {
         g.machine().BonusMultiplier = 3;
         g.machine().BonusAmount = 150;
         g.machine().State.LineStake = 5;
       },
       {}},
      {WindowId::LevelUp,
       "level-up.png",
       [](Game& g, qt::QtDesktop&) { g.machine().State.Level = 3; },
       {}},
      {WindowId::TimedBonus, "timed-bonus.png", {}, {}},
      {WindowId::MegaBonus, "mega-bonus.png", {}, {}},
      // The light run out and resting on its prize, without waiting for the light's timer.
      {WindowId::MegaBonus,
       "mega-bonus-won.png",
       {},
       [](Game& g, qt::QtDesktop&) {
         MegaBonusWindow& mega = g.megaBonus();
         mega.Start();
         while (mega.MegaStepsLeft() > 0) mega.OnLightTick();
       }},
      // The rungs' three colours side by side: two won, the third lost.
      {WindowId::DoubleUp, "double-up-rungs.png",
       [](Game& g, qt::QtDesktop&) { g.machine().State.LastWin = 40; },
       [](Game&, qt::QtDesktop& d) {
         d.SetPanelColour(Ref(DoubleUpEl::Rung1), kRungWon);
         d.SetPanelColour(Ref(DoubleUpEl::Rung2), kRungWon);
         d.SetPanelColour(Ref(DoubleUpEl::Rung3), kRungLost);
       }},
  };
  for (const Shot& shot : shots) {
    if (shot.prepare) shot.prepare(game, desktop);
    desktop.Present(shot.window);
    if (shot.play) shot.play(game, desktop);
    ok = Save(desktop.window(shot.window), dir, shot.file, dpr) && ok;
    desktop.Dismiss(shot.window);
  }
  return ok ? 0 : 1;
}
