// The Qt desktop's keys and zoom: key presses reach the handlers of the clicks they stand for,
// and at a zoom of 175 % every control of the main window still takes its own clicks.

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QGraphicsView>
#include <QTest>
#include <cmath>
#include <limits>
#include <vector>

#include "catalogue/double_up_elements.h"
#include "catalogue/golden_board_elements.h"
#include "catalogue/main_elements.h"
#include "qt/element_widgets.h"
#include "qt/qt_desktop.h"
#include "qt/zoom.h"

namespace tarvolenka::qt {
namespace {

struct Recorder : WindowLogic {
  void Click(std::uint16_t handler, int) override { clicks.push_back(handler); }
  std::vector<std::uint16_t> clicks;
};
struct KeyRecorder : Recorder {
  bool KeyPressed(tarvolenka::Key key) override {
    keys.push_back(key);
    return true;
  }
  std::vector<tarvolenka::Key> keys;
};

class KeysAndZoom : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop_.Attach(WindowId::Main, main_);
    desktop_.Start();
  }
  QWidget* Main() { return desktop_.window(WindowId::Main); }
  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, bool repeat = false) {
    QKeyEvent press(QEvent::KeyPress, key, mods, QString(), repeat);
    QApplication::sendEvent(Main(), &press);
  }
  static std::uint16_t H(MainClick c) { return static_cast<std::uint16_t>(c); }

  QtDesktop desktop_{1.0};
  Recorder main_;
};

TEST_F(KeysAndZoom, KeysClickTheirControlsOnceAndNotDuringAPause) {
  Key(Qt::Key_Space);
  Key(Qt::Key_Space, Qt::NoModifier, true);  // held: the repeat does nothing
  Key(Qt::Key_Return);
  Key(Qt::Key_Left);
  Key(Qt::Key_M);
  Key(Qt::Key_B);                       // the timed bonus button is hidden
  Key(Qt::Key_D, Qt::ControlModifier);  // not a game key with Ctrl
  Key(Qt::Key_F1);                      // lands on its faceless element
  Key(Qt::Key_S);                       // and so does S
  EXPECT_EQ(main_.clicks,
            (std::vector<std::uint16_t>{H(MainClick::Start), H(MainClick::Start),
                                        H(MainClick::LinesDown), H(MainClick::ToggleSound),
                                        H(MainClick::OpenRules), H(MainClick::OpenStatistics)}));
  main_.clicks.clear();
  QTimer::singleShot(20, Main(), [this] { Key(Qt::Key_Space); });
  bool ended = false;
  desktop_.Pause(100, [&] { ended = true; });
  for (QDeadlineTimer deadline(60000); !ended && !deadline.hasExpired();)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  EXPECT_TRUE(ended);
  EXPECT_TRUE(main_.clicks.empty());
}

TEST_F(KeysAndZoom, KeysThatClickNothingGoToTheirWindowButNotDuringAPause) {
  KeyRecorder board;
  desktop_.Attach(WindowId::GoldenBoard, board);
  desktop_.Present(WindowId::GoldenBoard);
  const auto press = [this](int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(desktop_.window(WindowId::GoldenBoard), &event);
  };
  for (int key : {Qt::Key_Right, Qt::Key_Return, Qt::Key_1}) press(key);
  EXPECT_EQ(board.keys, (std::vector{tarvolenka::Key::Right, tarvolenka::Key::Enter}));
  EXPECT_EQ(board.clicks, (std::vector{static_cast<std::uint16_t>(GoldenBoardClick::PickCell)}));
  board.keys.clear();
  desktop_.Pause(100, {});
  press(Qt::Key_Left);
  EXPECT_TRUE(board.keys.empty());
}

// A held key's repeats come marked, as unmarked release-and-press pairs of one time, or alone. A
// release lost to a window that took the keyboard meanwhile leaves the next press its own.
// clang-format off
struct Stroke { QEvent::Type type; quint64 time; bool repeat = false; };
struct HeldKeyCase { const char* name; std::vector<Stroke> strokes; std::size_t clicks; };
class HeldKey : public KeysAndZoom, public ::testing::WithParamInterface<HeldKeyCase> {};
constexpr QEvent::Type kDown = QEvent::KeyPress, kUp = QEvent::KeyRelease;
INSTANTIATE_TEST_SUITE_P(Repeats, HeldKey, ::testing::Values(
    HeldKeyCase{"Marked", {{kDown, 10}, {kUp, 40, true}, {kDown, 40, true}, {kUp, 90}}, 1},
    HeldKeyCase{"PairsUnmarked", {{kDown, 10}, {kUp, 40}, {kDown, 40}, {kUp, 70}, {kDown, 70}, {kUp, 90}}, 1},
    HeldKeyCase{"PressesAlone", {{kDown, 10}, {kDown, 40}, {kDown, 70}, {kUp, 90}}, 1},
    HeldKeyCase{"PressedAgain", {{kDown, 10}, {kUp, 40}, {kDown, 90}, {kUp, 120}}, 2},
    HeldKeyCase{"ReleaseLostElsewhere", {{kDown, 10}, {QEvent::FocusIn, 40}, {kDown, 90}, {kUp, 120}}, 2}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST_P(HeldKey, ClicksOnceUntilReleased) {
  for (const Stroke& stroke : GetParam().strokes) {
    if (stroke.type == QEvent::FocusIn) {
      QFocusEvent focus(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
      QApplication::sendEvent(Main()->windowHandle(), &focus);
      continue;
    }
    QKeyEvent event(stroke.type, Qt::Key_Space, Qt::NoModifier, QString(), stroke.repeat);
    event.setTimestamp(stroke.time);
    QApplication::sendEvent(Main()->windowHandle(), &event);
  }
  EXPECT_EQ(main_.clicks.size(), GetParam().clicks);
}

TEST_F(KeysAndZoom, TheTooltipsNameTheKeys) {
  EXPECT_TRUE(desktop_.widget(Ref(MainEl::StartButton))->toolTip().contains("Интервал"));
  EXPECT_TRUE(desktop_.widget(Ref(MainEl::StakePlus))->toolTip().contains("↑"));
}

TEST(ZoomChoice, TheFirstStartTakesTheLargestStepThatFitsTwoThirdsOfTheScreen) {
  const QSize main(773, 674);
  EXPECT_EQ(FittingZoom(main, QSize(1920, 1050)), 100);
  EXPECT_EQ(FittingZoom(main, QSize(3840, 2100)), 200);  // the height decides
  EXPECT_EQ(FittingZoom(main, QSize(2400, 3000)), 200);  // the width decides: 225 % is 1739
  EXPECT_EQ(FittingZoom(main, QSize(7680, 4320)), 250);
  EXPECT_EQ(ClampZoom(180), 175);
  EXPECT_EQ(ClampZoom(40), 100);
  // Settings edited by hand may hold anything an int holds.
  EXPECT_EQ(ClampZoom(std::numeric_limits<int>::max()), kZoomMaxPercent);
  EXPECT_EQ(ClampZoom(std::numeric_limits<int>::min()), kZoomMinPercent);
}

TEST_F(KeysAndZoom, AtOneHundredSeventyFivePercentEveryControlTakesItsOwnClick) {
  constexpr qreal kZoom = 1.75;
  desktop_.SetZoom(175);
  EXPECT_EQ(Main()->size(), QSize(static_cast<int>(std::ceil(773 * kZoom)),
                                  static_cast<int>(std::ceil(674 * kZoom))));
  // Pictures and the reel area are rendered for the zoom, not magnified.
  auto* start = dynamic_cast<PictureWidget*>(desktop_.widget(Ref(MainEl::StartButton)));
  EXPECT_EQ(start->pixmap().size(), QSize(108, 66) * kZoom);
  auto* reels = dynamic_cast<PaintBoxWidget*>(desktop_.widget(Ref(MainEl::ReelArea)));
  EXPECT_EQ(reels->image().size(), QSize(625, 375) * kZoom);

  QWidget* viewport = Main()->findChild<QGraphicsView*>()->viewport();
  int controls = 0;
  for (const ElementSpec& e : SpecOf(WindowId::Main).elements) {
    if (e.kind != Kind::Picture || e.click == kNoClick) continue;
    desktop_.SetVisible(Ref(static_cast<MainEl>(e.id)), true);
    main_.clicks.clear();
    const Point c = e.rect.Centre();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPointF(c.x * kZoom, c.y * kZoom).toPoint());
    EXPECT_EQ(main_.clicks, std::vector<std::uint16_t>{e.click}) << e.name;
    ++controls;
  }
  EXPECT_EQ(controls, 19);
}

// A window is built when first reached: one first opened after a zoom comes at that zoom, with
// its pictures rendered for it, and takes its keys.
TEST_F(KeysAndZoom, AWindowFirstOpenedAfterAZoomComesAtThatZoomAndTakesItsKeys) {
  Recorder doubleUp;
  desktop_.Attach(WindowId::DoubleUp, doubleUp);
  desktop_.SetZoom(150);
  desktop_.Open(WindowId::DoubleUp, {});
  QWidget* window = desktop_.window(WindowId::DoubleUp);
  const WindowSpec& desc = SpecOf(WindowId::DoubleUp);
  EXPECT_EQ(window->size(), QSize(static_cast<int>(std::ceil(desc.width * 1.5)),
                                  static_cast<int>(std::ceil(desc.height * 1.5))));
  auto* vodka = dynamic_cast<PictureWidget*>(desktop_.widget(Ref(DoubleUpEl::VodkaButton)));
  EXPECT_EQ(vodka->pixmap().size(), QSize(113, 64) * 1.5);
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
  QApplication::sendEvent(window, &press);
  EXPECT_EQ(doubleUp.clicks,
            std::vector<std::uint16_t>{static_cast<std::uint16_t>(DoubleUpClick::GuessVodka)});
  desktop_.Close(WindowId::DoubleUp);
}

}  // namespace
}  // namespace tarvolenka::qt
