#include "qt/qt_desktop.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <xcb/xproto.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <utility>

#include "catalogue/history_elements.h"
#include "catalogue/legend_elements.h"
#include "catalogue/level_up_elements.h"
#include "catalogue/main_elements.h"
#include "catalogue/meze_elements.h"
#include "core/save_file.h"
#include "game/game.h"
#include "qt/element_widgets.h"
#include "qt/fitted_text.h"
#include "tests/support/temp_dir.h"

namespace tarvolenka::qt {
namespace {

// Runs the event loop until `condition` holds, failing only at a deadline generous enough for
// a loaded machine under the sanitizers.
template <class Condition>
bool EventuallyTrue(Condition condition) {
  QElapsedTimer clock;
  clock.start();
  while (!condition() && clock.elapsed() < 60000) QTest::qWait(5);
  return condition();
}

class QtDesktopTest : public ::testing::Test {
 protected:
  // What the window shows on screen, once the loop has painted, is what a fresh rendering shows,
  // give or take the last bits of blended colours. A stale area never heals, so a few seconds of
  // waiting tell it from a paint not yet done.
  static bool ShowsAsRenderedAfresh(QWidget* window) {
    const auto same = [window] {
      const QImage a = window->screen()
                           ->grabWindow(window->winId())
                           .toImage()
                           .convertToFormat(QImage::Format_RGB32);
      const QImage b = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
      if (a.size() != b.size()) return false;
      for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
          const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
          if (std::abs(qRed(p) - qRed(q)) > 8 || std::abs(qGreen(p) - qGreen(q)) > 8 ||
              std::abs(qBlue(p) - qBlue(q)) > 8)
            return false;
        }
      }
      return true;
    };
    QElapsedTimer clock;
    clock.start();
    while (!same() && clock.elapsed() < 3000) QTest::qWait(20);
    return same();
  }
  void SetUp() override {
    desktop_ = std::make_unique<QtDesktop>(1.0);
    game_ = std::make_unique<Game>(*desktop_, dir_ / kSaveFileName);
    desktop_->Start();
  }
  void TearDown() override {
    game_.reset();
    desktop_.reset();
  }
  QWidget* W(MainEl e) { return desktop_->widget(Ref(e)); }
  QString LabelText(MainEl e) { return qobject_cast<QLabel*>(W(e))->text(); }

  testing::TempDir dir_;
  std::unique_ptr<QtDesktop> desktop_;
  std::unique_ptr<Game> game_;
};

TEST_F(QtDesktopTest, BuildsTheMainWindowFromTheCatalogue) {
  QWidget* main = desktop_->window(WindowId::Main);
  EXPECT_EQ(main->windowTitle(), "Tarvolenka");
  EXPECT_EQ(main->size(), QSize(773, 674));
  EXPECT_EQ(main->minimumSize(), main->maximumSize());  // not resizable
  EXPECT_EQ(main->palette().color(QPalette::Window), QColor(166, 202, 240));
  EXPECT_EQ(W(MainEl::ReelArea)->geometry(), QRect(73, 86, 625, 375));
  EXPECT_EQ(W(MainEl::StartButton)->geometry(), QRect(600, 573, 108, 66));
  EXPECT_EQ(W(MainEl::ExperienceGauge)->geometry(), QRect(172, 20, 429, 41));
  EXPECT_EQ(W(MainEl::TakeBonusButton)->geometry(), QRect(86, 552, 102, 42));
  EXPECT_EQ(desktop_->widget(Ref(MainEl::StoreChips)), nullptr);  // picture stores are not widgets
  EXPECT_EQ(W(MainEl::StartButton)->cursor().shape(), Qt::PointingHandCursor);  // a hover cue
  EXPECT_EQ(W(MainEl::ReelArea)->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(QtDesktopTest, LocalTimeAgreesWithQtsClockInZonesAheadBehindAndOnTheHalfHour) {
  const QByteArray saved = qgetenv("TZ");
  for (const char* zone : {"UTC0", "EET-2EEST,M3.5.0/3,M10.5.0/4", "<-0330>3:30", "<+0545>-5:45"}) {
    qputenv("TZ", zone);
    tzset();
    const QDateTime qt = QDateTime::currentDateTime();
    const DateTime ours = desktop_->NowLocal();
    const DateTime expected = MakeDateTime(qt.date().year(), qt.date().month(), qt.date().day()) +
                              qt.time().msecsSinceStartOfDay() / kMillisPerDay;
    EXPECT_NEAR(ours, expected, 2.0 / 86400) << zone;
  }
  if (saved.isNull())
    qunsetenv("TZ");
  else
    qputenv("TZ", saved);
  tzset();
}

TEST_F(QtDesktopTest, ShowsPicturesAndLabelsOfTheNewGame) {
  EXPECT_EQ(LabelText(MainEl::CreditCounter), "30000");
  EXPECT_EQ(LabelText(MainEl::ExperienceText), "0  /  20000");
  auto* start = dynamic_cast<PictureWidget*>(W(MainEl::StartButton));
  ASSERT_NE(start, nullptr);
  EXPECT_FALSE(start->pixmap().isNull());
  EXPECT_EQ(start->pixmap().deviceIndependentSize().toSize(), QSize(108, 66));
  EXPECT_EQ(desktop_->PictureOf(Ref(MainEl::DoubleButton)), Picture::ButtonDoubleGrey);
  EXPECT_TRUE(W(MainEl::FreeSpinsCounter)->isHidden());
  // Every cell of the reel area was painted with a symbol, none left at the background.
  auto* box = dynamic_cast<PaintBoxWidget*>(W(MainEl::ReelArea));
  ASSERT_NE(box, nullptr);
  EXPECT_NE(box->image().pixelColor(62, 62), QColor(166, 202, 240));
}

TEST_F(QtDesktopTest, RoutesAClickOnACounterPanelToTheDoubleUpHandler) {
  // Without a win the double-up is inert, so the click on the panel changes nothing...
  QTest::mouseClick(W(MainEl::BalancePanel), Qt::LeftButton);
  EXPECT_EQ(LabelText(MainEl::CreditCounter), "30000");
  // ...and with a win it takes the stake to the double-up window and returns it on collect.
  game_->machine().State.LastWin = 100;
  game_->machine().DoubleEnabled = 1;
  QTimer::singleShot(50, desktop_->window(WindowId::Main),
                     [this] { desktop_->Close(WindowId::DoubleUp); });
  QTest::mouseClick(W(MainEl::BalancePanel), Qt::LeftButton);
  EXPECT_TRUE(EventuallyTrue([this] {
    return !desktop_->IsShown(WindowId::DoubleUp) && game_->machine().State.Balance == 30000;
  }));
}

TEST_F(QtDesktopTest, RoutesAClickOnTheLinesMinusArrow) {
  QTest::mouseClick(W(MainEl::LinesMinus), Qt::LeftButton);
  EXPECT_EQ(LabelText(MainEl::LinesCounter), "49");
  EXPECT_EQ(LabelText(MainEl::TotalStakeCounter), "49");
}

TEST_F(QtDesktopTest, APauseDropsClicksAndHoldsTimers) {
  QTimer::singleShot(20, desktop_->window(WindowId::Main), [this] {
    EXPECT_TRUE(desktop_->pausing());
    QTest::mouseClick(W(MainEl::LinesMinus), Qt::LeftButton);
  });
  bool ended = false;
  desktop_->Pause(200, [&] { ended = true; });
  EXPECT_TRUE(EventuallyTrue([&] { return ended; }));
  EXPECT_FALSE(desktop_->pausing());
  QApplication::processEvents();
  EXPECT_EQ(LabelText(MainEl::LinesCounter), "50");
}

TEST_F(QtDesktopTest, ClosingTheMainWindowSavesAndEscapeDoesNotClose) {
  QWidget* main = desktop_->window(WindowId::Main);
  game_->machine().State.Balance = 12345;
  QTest::keyClick(main, Qt::Key_Escape);
  QTest::keyClick(main, Qt::Key_Return);  // spins, and closes nothing
  EXPECT_TRUE(main->isVisible());
  EXPECT_TRUE(desktop_->IsShown(WindowId::Main));
  const std::int64_t balance = game_->machine().State.Balance;
  main->close();  // as the window system's close box does
  EXPECT_FALSE(main->isVisible());
  EXPECT_EQ(Decode(*SaveFile(dir_ / kSaveFileName).Read()).Balance, balance);
}

TEST_F(QtDesktopTest, AModalWindowHoldsTheInputAndClosesByTheWindowSystem) {
  game_->machine().State.LastWin = 100;
  game_->machine().DoubleEnabled = 1;
  bool shownModal = false;
  bool stillShownAfterEscape = false;
  QTimer::singleShot(100, desktop_->window(WindowId::Main), [&] {
    QWidget* dialog = desktop_->window(WindowId::DoubleUp);
    shownModal = dialog->isVisible() && dialog->isModal();
    // Escape never closes a game window; the close box does, and the double-up takes it as
    // collecting.
    QTest::keyClick(dialog, Qt::Key_Escape);
    stillShownAfterEscape = dialog->isVisible();
    dialog->close();
  });
  desktop_->ClickElement(Ref(MainEl::DoubleButton));
  EXPECT_TRUE(EventuallyTrue([this] {
    return !desktop_->window(WindowId::DoubleUp)->isVisible() &&
           game_->machine().State.Balance == 30000;
  }));
  EXPECT_TRUE(shownModal);
  EXPECT_TRUE(stillShownAfterEscape);
}

TEST_F(QtDesktopTest, AWindowThatClosesOnlyByItsButtonRefusesEscapeAndTheCloseBox) {
  bool stillShown = false;
  QTimer::singleShot(100, desktop_->window(WindowId::Main), [&] {
    QWidget* dialog = desktop_->window(WindowId::LevelUp);
    QTest::keyClick(dialog, Qt::Key_Escape);
    dialog->close();
    stillShown = dialog->isVisible();
    desktop_->ClickElement(Ref(LevelUpEl::OkButton));
  });
  bool closed = false;
  desktop_->Open(WindowId::LevelUp, [&] { closed = true; });
  EXPECT_TRUE(EventuallyTrue([&] { return closed; }));
  EXPECT_TRUE(stillShown);
  EXPECT_FALSE(desktop_->window(WindowId::LevelUp)->isVisible());
}

TEST_F(QtDesktopTest, TheHistoryOpensByItsKeyTakesClicksOnItsRowsAndEscapeClosesItsWindows) {
  HistoryFile file(HistoryPathBeside(dir_ / kSaveFileName));
  GameRecord g;
  g.lineCount = 50;
  g.lineStake = 1;
  g.stake = 50;
  g.spins.emplace_back();
  g.spins[0].cells.fill(3);
  for (int game = 0; game < 2; ++game) file.Append(GameLine(g, 30000 + game), true);
  QWidget* main = desktop_->window(WindowId::Main);
  bool shown = false, statisticsShown = false;
  int selected = -1;
  QTimer::singleShot(100, main, [&] {
    QWidget* history = desktop_->window(WindowId::History);
    shown = history->isVisible();
    QTest::mouseClick(desktop_->widget(Ref(HistoryRow(1))), Qt::LeftButton);
    selected = game_->history().selected();
    QTimer::singleShot(100, main, [&, history] {
      QWidget* statistics = desktop_->window(WindowId::Statistics);
      statisticsShown = statistics->isVisible();
      QTest::keyClick(statistics, Qt::Key_Escape);
      QTest::keyClick(history, Qt::Key_Escape);
    });
    QTest::keyClick(history, Qt::Key_S);
  });
  QTest::keyClick(main, Qt::Key_H);
  EXPECT_TRUE(
      EventuallyTrue([&] { return statisticsShown && !desktop_->IsShown(WindowId::History); }));
  EXPECT_TRUE(shown);
  EXPECT_EQ(selected, 1);
  EXPECT_TRUE(statisticsShown);
  EXPECT_FALSE(desktop_->window(WindowId::History)->isVisible());
  EXPECT_TRUE(main->isVisible());
}

TEST_F(QtDesktopTest, TheLegendsFiguresFitTheirCellsInTheGameFontAtTheLadderTop) {
  game_->machine().State.LineStake = 100000;
  desktop_->Present(WindowId::Legend);
  for (auto e = LegendEl::VodkaPay5; e < LegendEl::Count; e = Nth(e, 1)) {
    const auto* label = qobject_cast<QLabel*>(desktop_->widget(Ref(e)));
    ASSERT_NE(label, nullptr);
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width())
        << label->text().toStdString();
  }
  desktop_->Dismiss(WindowId::Legend);
}

TEST_F(QtDesktopTest, ClickingStartMovesTheReels) {
  // A spin that brings the bonus games would wait for a player; this test only watches reels.
  game_->main().SetBonusStep(nullptr);
  auto* box = dynamic_cast<PaintBoxWidget*>(W(MainEl::ReelArea));
  const QImage before = box->image().copy();
  QTest::mouseClick(W(MainEl::StartButton), Qt::LeftButton);
  EXPECT_EQ(LabelText(MainEl::CreditCounter), "29950");
  EXPECT_TRUE(desktop_->IsTimerRunning(TimerOf(MainTimer::Spin)));
  EXPECT_TRUE(EventuallyTrue([&] { return box->image() != before; }));
  EXPECT_EQ(desktop_->PictureOf(Ref(MainEl::StartButton)), Picture::ButtonStart);  // it stops them
  // The spin ends by itself (within its schedule of a little over two seconds, when not loaded).
  EXPECT_TRUE(EventuallyTrue([&] { return !desktop_->IsTimerRunning(TimerOf(MainTimer::Spin)); }));
  EXPECT_EQ(game_->main().spin().reelOffsets()[4], -125);
}

// The meze's lit runner lies under the row in play: a repaint asked for once the next row opens
// shows it moved on screen, not only round the elements that changed.
TEST_F(QtDesktopTest, ARepaintShowsTheWholeWindowAsItNowIs) {
  desktop_->Open(WindowId::Meze, {});
  QWidget* window = desktop_->window(WindowId::Meze);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  QTest::qWait(50);
  for (int k = 1; k <= kMezeCells; ++k) desktop_->SetVisible(Ref(MezePicture(1, k)), true);
  desktop_->Repaint(WindowId::Meze);
  EXPECT_TRUE(ShowsAsRenderedAfresh(window));
}

// A failed save at closing asks whether to retry in a box of its own: the close returns at once,
// with the game's event loop running and the window open until the answer.
TEST_F(QtDesktopTest, ClosingWhileSavesFailAsksWithoutHoldingTheLoopAndARetryClosesSaved) {
  const std::string save = (dir_ / kSaveFileName).string();
  ::chmod(save.c_str(), 0444);  // refused even to root: nothing may write it
  QWidget* main = desktop_->window(WindowId::Main);
  main->close();  // returns: no loop of its own waits for the answer
  QMessageBox* box = nullptr;
  ASSERT_TRUE(EventuallyTrue([&] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* b = qobject_cast<QMessageBox*>(w); b != nullptr && b->isVisible()) box = b;
    return box != nullptr;
  }));
  EXPECT_TRUE(main->isVisible());
  ::chmod(save.c_str(), 0644);  // mended while the question waits
  QPushButton* retry = nullptr;
  for (QAbstractButton* b : box->buttons())
    if (b->text() == QStringLiteral("Опитай отново")) retry = qobject_cast<QPushButton*>(b);
  ASSERT_NE(retry, nullptr);
  QTest::mouseClick(retry, Qt::LeftButton);
  EXPECT_TRUE(EventuallyTrue([&] { return !main->isVisible(); }));
  EXPECT_EQ(Decode(*SaveFile(dir_ / kSaveFileName).Read()), game_->machine().State);
}

// Another X client destroys a window: the server's word reaches the native event filters.
void DestroyedByTheServer(WId window) {
  xcb_destroy_notify_event_t event{};
  event.response_type = XCB_DESTROY_NOTIFY;
  event.window = static_cast<xcb_window_t>(window);
  qintptr result = 0;
  QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &event, &result);
}

// clang-format off
struct LostWindowCase { const char* name; WindowId window; void (*open)(Game&, QtDesktop&); bool showsAgain; std::int64_t balance; };
class LostWindow : public QtDesktopTest, public ::testing::WithParamInterface<LostWindowCase> {};
INSTANTIATE_TEST_SUITE_P(Windows, LostWindow, ::testing::Values(
    LostWindowCase{"DoubleUpCollects", WindowId::DoubleUp, [](Game& g, QtDesktop& d) { g.machine().State.LastWin = 100; g.machine().DoubleEnabled = 1; d.ClickElement(Ref(MainEl::DoubleButton)); }, false, 30000},
    LostWindowCase{"TimedBonusPays", WindowId::TimedBonus, [](Game&, QtDesktop& d) { d.ClickElement(Ref(MainEl::TakeBonusButton)); }, false, 30100},
    LostWindowCase{"HatChooserShowsAgain", WindowId::HatChooser, [](Game&, QtDesktop& d) { d.Open(WindowId::HatChooser, {}); }, true, 30000},
    LostWindowCase{"MainWindowEndsTheGameSaved", WindowId::Main, [](Game& g, QtDesktop&) { g.machine().State.Balance = 12345; }, false, 12345}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST_P(LostWindow, CountsAsClosedByThePlayerByItsOwnRules) {
  const LostWindowCase& c = GetParam();
  c.open(*game_, *desktop_);
  QWidget* view = desktop_->window(c.window);
  ASSERT_TRUE(view->isVisible());
  const QPointer<QWindow> lost = view->windowHandle();
  DestroyedByTheServer(view->winId());
  EXPECT_TRUE(EventuallyTrue([&] {
    return lost.isNull() && desktop_->IsShown(c.window) == c.showsAgain &&
           view->isVisible() == c.showsAgain &&
           QGuiApplication::modalWindow() == (c.showsAgain ? view->windowHandle() : nullptr) &&
           game_->machine().State.Balance == c.balance;
  }));
  EXPECT_EQ(Decode(*SaveFile(dir_ / kSaveFileName).Read()).Balance, c.balance);
}

// clang-format off
struct NoticeCase { const char* name; const char* text; int lines; int pixelSize; };
class Notice : public QtDesktopTest, public ::testing::WithParamInterface<NoticeCase> {};
INSTANTIATE_TEST_SUITE_P(Texts, Notice, ::testing::Values(
    NoticeCase{"TwoLines", "Играта не е записана: няма права за достъп до файла. Нов опит при следващия запис.", 2, 11},
    NoticeCase{"SmallerFont", "Играта не е записана: cannot open /home/player/.local/share/tarvolenka/Tarvolenka.history for appending: Too many open files. Нов опит при следващия запис.", 2, 9},
    NoticeCase{"AWordLongerThanALine", "Играта не е записана: /srv/a-folder-of-the-player-that-goes-on-and-on-without-a-single-space/Tarvolenka.history", 2, 11},
    NoticeCase{"MoreLinesAtTheSmallest", "Играта не е записана: the system's own words went on and on, naming the device, the folder, the file, the mount options, the quota and the user, then what it tried next and what failed after that, so that nothing of it fits two lines at any size.", 3, 8}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

// The whole reason shows, however long: wrapped, smaller, or growing downward over the reels.
TEST_P(Notice, ShowsItsWholeText) {
  desktop_->SetText(Ref(MainEl::SaveNotice), GetParam().text);
  auto* label = qobject_cast<QLabel*>(W(MainEl::SaveNotice));
  const QRectF box = QRectF(label->contentsRect()).adjusted(0, 0, -1, -2);  // inside the plate
  const FittedText fitted(label->text(), label->font(), box.width());
  EXPECT_LE(fitted.size().width(), box.width());
  EXPECT_LE(fitted.size().height(), box.height());
  EXPECT_EQ(std::pair(fitted.lineCount(), fitted.pixelSize()),
            std::pair(GetParam().lines, GetParam().pixelSize));
}

}  // namespace
}  // namespace tarvolenka::qt
