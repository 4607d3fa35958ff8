// Renders every window of the game headless into PNG files, for reviewing the art and for
// the README: gallery OUTDIR [device-pixel-ratio [picture-cache-folder]]. With a cache folder the
// pictures are read from it as the program reads them, which must give the same pixels.

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPixmap>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/cups_elements.h"
#include "catalogue/double_up_elements.h"
#include "catalogue/durations.h"
#include "catalogue/golden_board_elements.h"
#include "catalogue/hat_chooser_elements.h"
#include "catalogue/meze_elements.h"
#include "catalogue/rules_elements.h"
#include "core/file_notices.h"
#include "core/free_spins.h"
#include "core/level_rules.h"
#include "exact/exact.h"
#include "game/game.h"
#include "history/history_file.h"
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

// The double-up's marker blinks in real time from the program's start, hidden or not; with its
// timers held still, every run shows the marker alike.
void StopDoubleUpTimers(qt::QtDesktop& desktop) {
  for (DoubleUpTimer timer : {DoubleUpTimer::Blink, DoubleUpTimer::Shake})
    desktop.StopTimer(TimerOf(timer));
}

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
  WinningLineFlags lines{};
  m.State.LastWin = EvaluateLines(m.Reels, lines) * m.State.LineStake;
  game.main().cycle().ShowLines(lines);
  game.main().LoadCellPictures();
  game.main().AnnounceWin();
  // The picture holds the amount counted up in full.
  for (int r = 1; r < durations::kWinCountUpRepaints; ++r) game.main().winShow().Tick(lines);
  game.main().DrawReels();
  game.main().DrawWinningLines();
  game.main().EnableControls();
  game.main().RefreshDisplay();
}

// Three scatters and no line win: ten free spins are announced, their scatters marked, and the
// round waits over the level gauge.
void ShowFreeSpinsWon(Game& game) {
  Machine& m = game.machine();
  const SymbolId rows[4][5] = {
      {2, 3, 4, 7, 6}, {12, 7, 4, 2, 9}, {1, 10, 12, 3, 8}, {4, 6, 5, 11, 12}};
  for (int r = 0; r < 4; ++r)
    for (int c = 1; c <= 5; ++c) m.Reels.at(r, c) = rows[r][c - 1];
  m.State.LastWin = 0;
  game.main().cycle().ShowLines({});
  game.main().cycle().Restore(10, false);
  game.main().LoadCellPictures();
  game.main().winShow().MarkFeatures(true);
  game.main().ShowMoment({MomentKind::FreeSpinsWon, 10});
  // Nothing was won, so the double-up goes dark again after the winning screen lit it.
  game.main().DisableControls();
  game.main().EnableControls();
  game.main().DrawReels();
  game.main().DrawWinningLines();
  game.main().RefreshDisplay();
}

// The cups as the bottles' pick left them: its drink and multiplier on the round given.
void RestoreCupsAfterBottles(Game& game, BonusRound round) {
  round.bottleChoice = game.bonusRules().round().bottleChoice;
  round.multiplier = game.bonusRules().round().multiplier;
  game.bonusRules().Restore(BonusStageId::Cups, round);
}

// A spin of the sample history: the visible rows as given, evaluated as the machine would.
SpinRecord SampleSpin(const SymbolId (&rows)[3][5], std::int64_t lineStake, bool free) {
  ReelWindow w;
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 5; ++c) w.at(r, c) = rows[r - 1][c - 1];
  WinningLineFlags winning{};
  EvaluateLines(w, winning);
  SpinRecord spin = RecordSpin(w, winning, lineStake);
  spin.free = free;
  spin.freeSpinsAwarded = FreeSpinsFor(spin.scatters);
  return spin;
}

// A dozen games for the history and statistics windows: quiet ones, free spins, a meze bonus,
// and the vodka win of the main window, gambled once and collected.
void WriteSampleHistory(HistoryFile& file) {
  std::uint32_t seed = 7;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) % 10 + 1; };
  std::int64_t balance = 30000;
  auto game = [&](int minute, std::vector<SpinRecord> spins) {
    GameRecord g;
    g.start = MakeDateTime(2026, 12, 9, 20, minute, 5 + minute % 50);
    g.lineCount = 50;
    g.lineStake = 10;
    g.level = 3;
    g.stake = 500;
    g.balanceBefore = balance;
    g.spins = std::move(spins);
    std::int64_t won = 0;
    for (const SpinRecord& sp : g.spins) {
      for (const LineWinRecord& w : sp.wins) won += w.pay;
      won += sp.bonusPlayed ? sp.bonus.amount : 0;
    }
    balance += won - g.stake;
    file.Append(GameLine(g, balance), true);
  };
  auto quiet = [&] {
    SymbolId rows[3][5];
    for (auto& row : rows)
      for (SymbolId& c : row) c = static_cast<SymbolId>(next());
    return SampleSpin(rows, 10, false);
  };
  for (int minute = 1; minute <= 4; ++minute) game(minute, {quiet()});
  const SymbolId scatters[3][5] = {{12, 3, 7, 12, 5}, {6, 6, 6, 2, 9}, {4, 12, 1, 8, 10}};
  std::vector<SpinRecord> freeGame{SampleSpin(scatters, 10, false)};
  for (int i = 0; i < freeGame[0].freeSpinsAwarded; ++i) {
    SpinRecord spin = quiet();
    spin.free = true;
    freeGame.push_back(spin);
  }
  game(6, freeGame);
  for (int minute = 8; minute <= 10; ++minute) game(minute, {quiet()});
  const SymbolId bonus[3][5] = {{11, 2, 11, 5, 1}, {3, 9, 9, 9, 4}, {7, 8, 2, 11, 6}};
  SpinRecord meze = SampleSpin(bonus, 10, false);
  meze.bonusPlayed = true;
  meze.bonus.kind = 2;
  meze.bonus.symbols = 3;
  meze.bonus.multiplier = 1;
  meze.bonus.picks = {{"meze", 1, 3, 30}, {"meze", 2, 5, 60}, {"meze", 3, 1, 0}};
  meze.bonus.amount = 900;
  game(12, {meze});
  game(13, {quiet()});
  const SymbolId vodka[3][5] = {{3, 7, 12, 2, 9}, {10, 10, 10, 1, 8}, {4, 6, 5, 11, 15}};
  game(14, {SampleSpin(vodka, 10, false)});
  const std::vector<DoubleStepRecord> steps{{1, 1, false}, {0, 1, false}};
  file.Append(DoubleUpLine(MakeDateTime(2026, 12, 9, 20, 14, 30), 500, 0, steps, balance - 500),
              false);
}

// The legend at a stake of five and at the ladder's top, whose figures read in millions; then
// every page of the rules, for ten lines at five each.
bool SaveLegendAndRules(Game& game, qt::QtDesktop& desktop, const QDir& dir, qreal dpr) {
  GameState& s = game.machine().State;
  bool ok = true;
  for (const auto& [stake, file] :
       {std::pair{5, "legend-stake-5.png"}, std::pair{100000, "legend-stake-100000.png"}}) {
    s.LineStake = stake;
    desktop.Present(WindowId::Legend);
    ok = Save(desktop.window(WindowId::Legend), dir, file, dpr) && ok;
    desktop.Dismiss(WindowId::Legend);
  }
  s.LineCount = 10;
  s.LineStake = 5;
  // The level the later windows show, with points that agree with it.
  s.Level = 3;
  s.NextLevelExperience = LevelRules::ExperienceToLeave(1) + LevelRules::ExperienceToLeave(2) +
                          LevelRules::ExperienceToLeave(3);
  s.Experience = s.NextLevelExperience - 6750;
  for (int page = 1; page <= rules_window::kPageCount; ++page) {
    desktop.Present(WindowId::Rules);
    for (int turn = 1; turn < page; ++turn) desktop.ClickElement(Ref(RulesEl::NextPage));
    const std::string file =
        "rules-" + std::string(page < 10 ? "0" : "") + std::to_string(page) + ".png";
    ok = Save(desktop.window(WindowId::Rules), dir, file.c_str(), dpr) && ok;
    desktop.Dismiss(WindowId::Rules);
  }
  return ok;
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

  // A folder of its own for the save, its resume record and the sample history beside it: a
  // gallery run cut short, or one running beside it, must not hand this one a game to resume.
  const QTemporaryDir saveDir;
  const auto save = std::filesystem::path(saveDir.path().toStdString()) / "tarvolenka-gallery.cfg";
  HistoryFile sample(HistoryPathBeside(save));
  WriteSampleHistory(sample);
  StillClockDesktop desktop(dpr, argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
  Game game(desktop, save, [](int lines, int /*stake*/) -> std::optional<double> {
    return 100.0 * ComputeExact({.lines = lines}).total;
  });
  StopDoubleUpTimers(desktop);
  desktop.Start();
  StopDoubleUpTimers(desktop);
  Machine& m = game.machine();
  m.State.Experience = 13250;
  ShowWinningScreen(game, true);
  bool ok = Save(desktop.window(WindowId::Main), dir, "main-big-win.png", dpr);
  ShowWinningScreen(game, false);
  ok = Save(desktop.window(WindowId::Main), dir, "main.png", dpr) && ok;
  // The notice of a history that could not be written, as the main window words it.
  FileNotices notices;
  notices.Report(FileRole::History, "Tarvolenka.history",
                 FileFailure("Tarvolenka.history", ErrorText(ENOSPC), ENOSPC));
  desktop.SetText(Ref(MainEl::SaveNotice), notices.Notice());
  desktop.SetVisible(Ref(MainEl::SaveNotice), true);
  ok = Save(desktop.window(WindowId::Main), dir, "main-notice.png", dpr) && ok;
  desktop.SetVisible(Ref(MainEl::SaveNotice), false);
  // Once the amount has shown, the winning lines in turn, each told in words under the reels.
  for (int r = 0; r < durations::kWinBannerRepaints; ++r)
    game.main().winShow().Tick(game.main().cycle().winningLines());
  game.main().Redraw();
  ok = Save(desktop.window(WindowId::Main), dir, "main-win-line.png", dpr) && ok;
  ShowFreeSpinsWon(game);
  ok = Save(desktop.window(WindowId::Main), dir, "main-free-spins.png", dpr) && ok;
  game.main().cycle().Reset();
  game.main().winShow().Clear();
  game.main().RefreshDisplay();

  m.State.TimedBonusAmount = 300;
  m.State.Level = 3;
  m.State.MaxLineStake = 30;
  m.State.MegaBonusCeiling = 6000;
  // A round of three bonus symbols, after the bottles' pick: the third bottle, times 4.
  const BonusRound drinks{.symbolCount = 3, .multiplier = 4, .amount = 60, .bottleChoice = 3};
  game.bonusRules().Restore(BonusStageId::Cups, drinks);
  const Shot shots[] = {
      {WindowId::Legend, "legend.png", {}, {}},
      {WindowId::DoubleUp,
       "double-up.png",
       [](Game& g, qt::QtDesktop&) { g.machine().State.LastWin = 40; },
       {}},
      {WindowId::HatChooser, "chooser.png", {}, {}},
      // After the pick: every hat lifted, the player's own game and the two missed.
      {WindowId::HatChooser,
       "chooser-revealed.png",
       {},
       [](Game&, qt::QtDesktop& d) { d.ClickElement(Ref(ChooserHat(2))); }},
      {WindowId::Meze, "meze.png", {}, {}},
      // The meze bonus after its first row: the pick, the revealed row, the next row open.
      {WindowId::Meze,
       "meze-played.png",
       {},
       [](Game&, qt::QtDesktop& d) { d.ClickElement(Ref(MezePicture(0, 3))); }},
      {WindowId::GoldenPick, "golden-pick.png", {}, {}},
      // After the pick: every cover open, the picked one labelled, the prompt replaced.
      {WindowId::GoldenPick,
       "golden-pick-revealed.png",
       {},
       [](Game&, qt::QtDesktop& d) { d.ClickElement(Ref(Cover(2))); }},
      {WindowId::GoldenBoard, "golden-board.png",
       [drinks](Game& g, qt::QtDesktop&) {
         BonusRound golden = drinks;
         golden.goldenPick = 4;
         g.bonusRules().Restore(BonusStageId::GoldenBoard, golden);
       },
       [](Game&, qt::QtDesktop& d) {
         for (int cell : {6, 11, 1}) d.ClickElement(Ref(BoardCell(cell)));  // three cannot end it
       }},
      {WindowId::Bottles, "bottles.png", {}, {}},
      // After the pick: the multiplier won, large, and what it is for. The bottle picked holds
      // the round's ×4, so the cups after it carry on with the same drink and multiplier.
      {WindowId::Bottles,
       "bottles-picked.png",
       {},
       [drinks](Game& g, qt::QtDesktop& d) {
         const auto& values = g.bottles().bottleValues();
         const auto it = std::find(values.begin(), values.end(), drinks.multiplier);
         d.ClickElement(
             Ref(Bottle(it == values.end() ? 3 : static_cast<int>(it - values.begin()) + 1)));
       }},
      {WindowId::Cups, "cups.png",
       [drinks](Game& g, qt::QtDesktop&) { RestoreCupsAfterBottles(g, drinks); },
       [](Game&, qt::QtDesktop& d) {
         for (int cup : {2, 9}) d.ClickElement(Ref(Cup(cup)));  // two cups cannot end it
       }},
      // Won: two cups of other levels, then the three of one level, drunk and tagged green.
      {WindowId::Cups, "cups-won.png",
       [drinks](Game& g, qt::QtDesktop&) { RestoreCupsAfterBottles(g, drinks); },
       [](Game& g, qt::QtDesktop& d) {
         const auto& prizes = g.cups().cupPrizes();
         std::vector<int> order;
         for (int cup = 1; cup <= kCups; ++cup)
           if (prizes[static_cast<std::size_t>(cup - 1)] != prizes[0]) order.push_back(cup);
         order.resize(2);
         for (int cup = 1; cup <= kCups; ++cup)
           if (prizes[static_cast<std::size_t>(cup - 1)] == prizes[0]) order.push_back(cup);
         for (int cup : order) d.ClickElement(Ref(Cup(cup)));
       }},
      {WindowId::BonusResult,
       "result.png",
       [drinks](Game& g, qt::QtDesktop&) {
         BonusRound result = drinks;
         result.choice = 1;  // the drinks
         result.multiplier = 3;
         result.amount = 150;
         g.bonusRules().Restore(BonusStageId::Result, result);
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
         while (mega.rules().stepsLeft() > 0) mega.OnLightTick();
       }},
      // The rungs' three colours side by side: two won, the third lost; the joker used.
      {WindowId::DoubleUp, "double-up-rungs.png",
       [](Game& g, qt::QtDesktop&) { g.machine().State.LastWin = 40; },
       [](Game&, qt::QtDesktop& d) {
         d.SetPanelColour(Ref(DoubleUpEl::Rung1), kRungWon);
         d.SetPanelColour(Ref(DoubleUpEl::Rung2), kRungWon);
         d.SetPanelColour(Ref(DoubleUpEl::Rung3), kRungLost);
         // The strip of draws, newest first, and the beer that lost, large.
         const DoubleUpEl draws[] = {DoubleUpEl::BeerPlate,  DoubleUpEl::VodkaPlate,
                                     DoubleUpEl::BeerPlate,  DoubleUpEl::BeerPlate,
                                     DoubleUpEl::VodkaPlate, DoubleUpEl::VodkaPlate};
         for (int i = 0; i < 6; ++i) d.CopyPicture(Ref(HistorySlot(i + 1)), Ref(draws[i]));
         d.SetText(Ref(DoubleUpEl::DrawnCard), "");
         d.CopyPicture(Ref(DoubleUpEl::DrawnDrink), Ref(DoubleUpEl::StoreBeer));
         d.SetVisible(Ref(DoubleUpEl::DrawnDrink), true);
         d.SetText(Ref(DoubleUpEl::Verdict), "НЕ ПОЗНАХТЕ");
         // Lost: the win is gone and nothing is left to pick.
         d.SetText(Ref(DoubleUpEl::Amount), "0");
         d.SetVisible(Ref(DoubleUpEl::VodkaMarker), false);
         d.SetVisible(Ref(DoubleUpEl::BeerMarker), false);
         d.SetVisible(Ref(DoubleUpEl::JokerButton), false);
         d.SetVisible(Ref(DoubleUpEl::JokerSpent), true);
       }},
      {WindowId::History, "history.png", {}, {}},
      // The free spins' game: its paid spin with the three scatters.
      {WindowId::History,
       "history-free-spins.png",
       {},
       [](Game&, qt::QtDesktop& d) { d.ClickElement(Ref(HistoryRow(6))); }},
      {WindowId::History,
       "history-meze.png",
       {},
       [](Game&, qt::QtDesktop& d) { d.ClickElement(Ref(HistoryRow(2))); }},
      {WindowId::Statistics, "statistics.png", {}, {}},
      {WindowId::Settings, "settings.png", {}, {}},
  };
  for (const Shot& shot : shots) {
    if (shot.prepare) shot.prepare(game, desktop);
    desktop.Present(shot.window);
    if (shot.window == WindowId::DoubleUp) {
      // Between two blinks: the vodka's marker lit, the beer's dark.
      StopDoubleUpTimers(desktop);
      desktop.SetVisible(Ref(DoubleUpEl::VodkaMarker), true);
      desktop.SetVisible(Ref(DoubleUpEl::BeerMarker), false);
    }
    if (shot.play) shot.play(game, desktop);
    // What the clicks set going (the meze's reveal) ends before the picture is taken.
    while (desktop.pausing()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    ok = Save(desktop.window(shot.window), dir, shot.file, dpr) && ok;
    desktop.Dismiss(shot.window);
  }
  ok = SaveLegendAndRules(game, desktop, dir, dpr) && ok;
  return ok ? 0 : 1;
}
