// On a 1920 × 1200 screen with framed windows: the zoom steps up only as far as every window fits,
// and a window a zoom would push past the screen's edge comes back on.

#include <gtest/gtest.h>

#include <QScreen>
#include <QTest>
#include <vector>

#include "qt/qt_desktop.h"
#include "qt/zoom.h"

namespace tarvolenka::qt {
namespace {

struct Recorder : WindowLogic {
  void Click(std::uint16_t handler, int) override { clicks.push_back(handler); }
  std::vector<std::uint16_t> clicks;
};

class ScreenFit : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop_.Attach(WindowId::Main, main_);
    desktop_.Start();
    desktop_.onZoomChanged = [this](int z) { remembered_.push_back(z); };
  }
  QWidget* Main() { return desktop_.window(WindowId::Main); }
  void Key(int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
    QApplication::sendEvent(Main(), &press);
  }
  QRect Area() { return Main()->screen()->availableGeometry(); }

  QtDesktop desktop_{1.0};
  Recorder main_;
  std::vector<int> remembered_;
};

TEST_F(ScreenFit, CtrlPlusStopsAtTheLargestStepAtWhichEveryWindowFits) {
  ASSERT_EQ(Area().size(), QSize(1920, 1200));
  // The history window, 690 high, is 1208 at 175 %.
  EXPECT_EQ(desktop_.ZoomLimit(), 150);
  for (int i = 0; i < 8; ++i) Key(Qt::Key_Plus);
  EXPECT_EQ(desktop_.zoomPercent(), 150);
  for (int i = 0; i < kWindowCount; ++i) {
    const QWidget* window = desktop_.window(static_cast<WindowId>(i));
    const QSize framed = window->size() + (Main()->frameGeometry().size() - Main()->size());
    EXPECT_LE(framed.width(), Area().width()) << i;
    EXPECT_LE(framed.height(), Area().height()) << i;
  }
  Key(Qt::Key_Minus);
  Key(Qt::Key_0);
  EXPECT_EQ(remembered_, (std::vector<int>{125, 150, 125, 100}));
  EXPECT_TRUE(main_.clicks.empty());  // the zoom keys are no game keys
}

TEST_F(ScreenFit, TheSettingsRowGoesNoFurtherThanTheKeys) {
  desktop_.SetZoomPercent(kZoomMaxPercent);
  EXPECT_EQ(desktop_.zoomPercent(), 150);
  // A zoom chosen on a larger screen stays until the player steps down.
  desktop_.SetZoom(200);
  desktop_.SetZoomPercent(225);
  EXPECT_EQ(desktop_.zoomPercent(), 200);
  desktop_.SetZoomPercent(175);
  EXPECT_EQ(desktop_.zoomPercent(), 175);
}

TEST_F(ScreenFit, AWindowThatAZoomPushesPastTheEdgeComesBackWholeOnTheScreen) {
  const QRect area = Area();
  for (const QPoint corner : {QPoint(area.right() - 300, area.bottom() - 200), QPoint(-40, -30)}) {
    desktop_.SetZoom(100);
    Main()->move(corner);
    Key(Qt::Key_Plus);
    Key(Qt::Key_Plus);
    EXPECT_TRUE(area.contains(Main()->frameGeometry())) << Main()->frameGeometry().x();
    Key(Qt::Key_0);
    EXPECT_TRUE(area.contains(Main()->frameGeometry())) << Main()->frameGeometry().y();
  }
}

}  // namespace
}  // namespace tarvolenka::qt
