// The settings window: its steps apply at once, survive a restart, and drive auto-play's runs.

#include <fstream>
#include <sstream>

#include "tests/support/machine_fixture.h"

namespace tarvolenka {
namespace {

class Settings : public MachineTest {
 protected:
  // A game whose settings are kept in the test's folder.
  std::unique_ptr<Game> Open(testing::VirtualDesktop& desk) {
    auto game = std::make_unique<Game>(desk, dir_ / kSaveFileName, ExactReturn{}, SettingsPath());
    desk.Start();
    return game;
  }
  std::filesystem::path SettingsPath() const { return dir_ / "Tarvolenka.ini"; }
  static void Step(testing::VirtualDesktop& desk, SettingsEl first, SettingRow row, int times) {
    for (int i = 0; i < times; ++i) desk.Click(Ref(Nth(first, static_cast<int>(row))));
  }
};

TEST_F(Settings, EachStepAppliesAtOnceAndSurvivesARestart) {
  PlaySettings chosen;
  {
    testing::VirtualDesktop desk{MakeDateTime(2026, 12, 8, 10, 0, 0)};
    const auto game = Open(desk);
    // The player's doings in the open window.
    desk.Then(100, [&] {
      ASSERT_TRUE(desk.IsShown(WindowId::Settings));
      Step(desk, SettingsEl::Up1, SettingRow::QuickSpin, 1);
      EXPECT_TRUE(game->main().quickSpin());
      Step(desk, SettingsEl::Down1, SettingRow::Volume, 3);
      EXPECT_EQ(desk.volume(), 70);
      EXPECT_EQ(desk.Text(Ref(SettingValue(SettingRow::Volume))), "70 %");
      Step(desk, SettingsEl::Up1, SettingRow::AutoPlaySpins, 2);
      Step(desk, SettingsEl::Up1, SettingRow::AutoPlayStopOnBonus, 1);
      Step(desk, SettingsEl::Up1, SettingRow::AutoPlayWinAbove, 3);
      Step(desk, SettingsEl::Up1, SettingRow::AutoPlayBalanceBelow, 9);  // past the last choice
      Step(desk, SettingsEl::Up1, SettingRow::Zoom, 1);
      EXPECT_EQ(desk.zoomPercent(), 125);
      EXPECT_EQ(desk.Text(Ref(SettingValue(SettingRow::Zoom))), "125 %");
      // The keys reach the same rows: ↓ ↓ to the volume, lit, and → steps it up.
      EXPECT_EQ(desk.State(Ref(SettingValue(SettingRow::Zoom))).colour,
                settings_window::kChosenPlate);
      desk.Press(Key::Up);
      desk.Press(Key::Down);
      desk.Press(Key::Down);
      EXPECT_EQ(desk.State(Ref(SettingValue(SettingRow::Volume))).colour,
                settings_window::kChosenPlate);
      EXPECT_EQ(desk.State(Ref(SettingValue(SettingRow::Zoom))).colour,
                settings_window::kValuePlate);
      desk.Press(Key::Right);
      EXPECT_EQ(desk.Text(Ref(SettingValue(SettingRow::Volume))), "80 %");
      desk.Press(Key::Left);
      chosen = game->settings().settings();
      desk.Press(Key::Enter);
    });
    ASSERT_EQ(desk.Press(Key::Settings), testing::ClickResult::Handled);
    EXPECT_FALSE(desk.IsShown(WindowId::Settings));
  }
  EXPECT_EQ(chosen, (PlaySettings{true, 70, {25, true, 1000, 100000}}));
  std::stringstream text;
  text << std::ifstream(SettingsPath()).rdbuf();
  EXPECT_NE(text.str().find("[play]\nquickSpin=true\n"), std::string::npos) << text.str();

  testing::VirtualDesktop again{MakeDateTime(2026, 12, 8, 11, 0, 0)};
  const auto game = Open(again);
  EXPECT_EQ(game->settings().settings(), chosen);
  EXPECT_TRUE(game->main().quickSpin());
  EXPECT_EQ(again.volume(), 70);
}

TEST_F(Settings, ACountedAutoPlayRunPlaysItsSpinsCountingDownAndUntick) {
  PlaySettings ten;
  ten.autoPlay.spins = 10;
  form().ApplyPlaySettings(ten);
  Click(MainEl::AutoPlayBox);
  EXPECT_EQ(Text(MainEl::AutoPlaySpinsLeft), "9");
  EXPECT_TRUE(desk_.Visible(Ref(MainEl::AutoPlaySpinsLeft)));
  // Paid spins start with the free spins waiting unchanged; a free spin takes one of them.
  int paid = 1;
  bool was = true;
  std::int32_t waiting = cycle().freeSpins();
  desk_.SetObserver([&] {
    if (Spinning() && !was && cycle().freeSpins() == waiting) ++paid;
    was = Spinning();
    waiting = cycle().freeSpins();
  });
  ASSERT_TRUE(desk_.RunUntil([this] { return !cycle().autoPlay(); }, 60LL * 60 * 1000));
  desk_.RunFor(10000);
  EXPECT_EQ(paid, 10);
  EXPECT_FALSE(Spinning());
  EXPECT_EQ(Pic(MainEl::AutoPlayBox), Picture::AutoPlayOff);
  EXPECT_FALSE(desk_.Visible(Ref(MainEl::AutoPlaySpinsLeft)));
}

}  // namespace
}  // namespace tarvolenka
