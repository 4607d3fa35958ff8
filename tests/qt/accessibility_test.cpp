// The windows as a screen reader finds them: every control and counter of the main window is
// reached from its window with a name and a role, names follow the values, the buttons press, and
// a win is announced once as its banner comes up.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <algorithm>
#include <set>
#include <vector>

#include "catalogue/history_elements.h"
#include "catalogue/main_elements.h"
#include "catalogue/spoken_names.h"
#include "qt/element_widgets.h"
#include "qt/qt_desktop.h"
#include "qt/styled_label.h"
#include "qt/zoom_view.h"

namespace tarvolenka::qt {
namespace {

struct Recorder : WindowLogic {
  void Click(std::uint16_t handler, int) override { clicks.push_back(handler); }
  std::vector<std::uint16_t> clicks;
};

class Accessibility : public ::testing::Test {
 protected:
  // As a reader's arrival makes it; the game names nothing for readers until one comes.
  void SetUp() override {
    QAccessible::setActive(true);
    desktop_.Attach(WindowId::Main, main_);
    desktop_.Start();
  }
  void TearDown() override { QAccessible::setActive(false); }
  QAccessibleInterface* Of(ElementRef ref) {
    return QAccessible::queryAccessibleInterface(desktop_.widget(ref));
  }
  // Every object a reader reaches from the window down.
  static void Reach(QAccessibleInterface* node, std::set<QObject*>& found) {
    found.insert(node->object());
    for (int i = 0; i < node->childCount(); ++i)
      if (QAccessibleInterface* child = node->child(i)) Reach(child, found);
  }

  QtDesktop desktop_{1.0};
  Recorder main_;
};

TEST_F(Accessibility, EveryControlAndCounterOfTheMainWindowIsReachedNamedAndInItsRole) {
  desktop_.SetText(Ref(MainEl::LinesCounter), "50");
  desktop_.SetText(Ref(MainEl::CreditCounter), "30000");
  std::set<QObject*> reached;
  Reach(QAccessible::queryAccessibleInterface(desktop_.window(WindowId::Main)), reached);
  int controls = 0, counters = 0;
  for (const ElementSpec& e : SpecOf(WindowId::Main).elements) {
    const ElementRef ref{WindowId::Main, e.id};
    const bool control = e.kind == Kind::Picture && e.click != kNoClick;
    const bool counter = e.kind == Kind::Label && !SpokenNameOf(ref).empty();
    if (!control && !counter) continue;
    QAccessibleInterface* element = Of(ref);
    EXPECT_TRUE(reached.count(desktop_.widget(ref))) << e.name;
    EXPECT_FALSE(element->text(QAccessible::Name).isEmpty()) << e.name;
    EXPECT_EQ(element->role(), control ? QAccessible::Button : QAccessible::StaticText) << e.name;
    (control ? controls : counters)++;
  }
  EXPECT_EQ(controls, 19);
  EXPECT_EQ(counters, 10);
  EXPECT_EQ(Of(Ref(MainEl::StartButton))->text(QAccessible::Name), "СТАРТ");
  EXPECT_EQ(Of(Ref(MainEl::LinesCounter))->text(QAccessible::Name), "ЛИНИИ 50");
  EXPECT_EQ(Of(Ref(MainEl::CreditCounter))->text(QAccessible::Name), "БАЛАНС 30000");
  EXPECT_EQ(Of(Ref(MainEl::LineStakePanel))->text(QAccessible::Name), "КАНАЛ");
}

// The contents live in scenes, windows of their own to the toolkit: the reader finds each under
// its window only, and the main window as the game's frame.
TEST_F(Accessibility, TheApplicationShowsItsWindowsOnceAndTheMainOneAsAFrame) {
  QAccessibleInterface* app = QAccessible::queryAccessibleInterface(qApp);
  ASSERT_NE(app, nullptr);
  bool mainFound = false;
  for (int i = 0; i < app->childCount(); ++i) {
    QObject* window = app->child(i)->object();
    EXPECT_EQ(qobject_cast<ZoomContent*>(window), nullptr) << "a window's content at the top";
    mainFound = mainFound || window == desktop_.window(WindowId::Main);
  }
  EXPECT_TRUE(mainFound);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(desktop_.window(WindowId::Main))->role(),
            QAccessible::Window);
}

// A window built while a reader listens is met by the reader before its labels take clicks.
TEST_F(Accessibility, ALabelMetBeforeItTakesClicksIsAButtonOnceItDoes) {
  auto* label = new StyledLabel(desktop_.window(WindowId::Main), looks::LabelLook{}, false, Rgb{});
  label->setText(QStringLiteral("ЗАТВОРИ"));
  QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(label);
  EXPECT_EQ(reader->role(), QAccessible::StaticText);
  EXPECT_EQ(reader->text(QAccessible::Name), "ЗАТВОРИ");
  bool pressed = false;
  label->TakeClicks([&] { pressed = true; });
  EXPECT_EQ(reader->role(), QAccessible::Button);
  reader->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(pressed);
  delete label;
}

TEST_F(Accessibility, AReaderArrivingLaterFindsEveryNameAsTheValuesStandThen) {
  QAccessible::setActive(false);
  desktop_.SetText(Ref(MainEl::LinesCounter), "40");
  QAccessible::setActive(true);
  EXPECT_EQ(Of(Ref(MainEl::LinesCounter))->text(QAccessible::Name), "ЛИНИИ 40");
}

TEST_F(Accessibility, NamesFollowTheValuesAndThePictures) {
  desktop_.SetText(Ref(MainEl::WinCounter), "120");
  EXPECT_EQ(Of(Ref(MainEl::WinCounter))->text(QAccessible::Name), "ПЕЧАЛБА 120");
  desktop_.CopyPicture(Ref(MainEl::SoundSwitch), Ref(MainEl::StoreSoundOff));
  EXPECT_EQ(Of(Ref(MainEl::SoundSwitch))->text(QAccessible::Name), "ЗВУК ИЗКЛЮЧЕН");
}

TEST_F(Accessibility, AButtonPressedByTheReaderClicksAsTheMouseDoes) {
  QAccessibleInterface* start = Of(Ref(MainEl::StartButton));
  ASSERT_NE(start->actionInterface(), nullptr);
  start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(main_.clicks, std::vector<std::uint16_t>{static_cast<std::uint16_t>(MainClick::Start)});
  // A row of the history takes clicks: it is a button too.
  EXPECT_EQ(Of(Ref(HistoryRow(0)))->role(), QAccessible::Button);
}

// The offscreen platform has no reader to hear the alert; what it says is the surface's
// description, and the banner tells whether it is new.
TEST_F(Accessibility, AWinIsAnnouncedOnceAsItsBannerComesUp) {
  const ElementRef reels = Ref(MainEl::ReelArea);
  auto* box = dynamic_cast<PaintBoxWidget*>(desktop_.widget(reels));
  std::vector<bool> fresh;
  const auto frame = [&](const char* amount, int celebration) {
    box->DrawPixmap(0, 0, box->grab(QRect(0, 0, 125, 125)));
    if (amount != nullptr)
      fresh.push_back(box->ShowWinBanner(QRect(140, 260, 340, 78), QStringLiteral("ПЕЧАЛБА"),
                                         amount, celebration > 0 ? 1 : 0, celebration));
    QCoreApplication::processEvents();  // the frame ends
  };
  frame("120", 0);
  frame("120", 0);    // the same banner in the next frame
  frame(nullptr, 0);  // the reels spin again
  frame("5000", 3);
  EXPECT_EQ(fresh, (std::vector<bool>{true, false, true}));

  frame(nullptr, 0);
  // The words are the moment's whole, not the amount counting up on the plate.
  desktop_.ShowWinBanner(reels, {{140, 260, 340, 78}, "ПЕЧАЛБА", "120", "ПЕЧАЛБА 120", 0, 0});
  EXPECT_EQ(Of(reels)->text(QAccessible::Description), "ПЕЧАЛБА 120");
  QCoreApplication::processEvents();
  frame(nullptr, 0);
  desktop_.ShowWinBanner(
      reels, {{50, 4, 520, 116}, "ГОЛЯМА ПЕЧАЛБА!", "1250", "ГОЛЯМА ПЕЧАЛБА! 5000", 1, 3});
  EXPECT_EQ(Of(reels)->text(QAccessible::Description), "ГОЛЯМА ПЕЧАЛБА! 5000");
}

}  // namespace
}  // namespace tarvolenka::qt
