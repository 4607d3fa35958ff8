// The save file in trouble, as the player meets it: a file the game cannot use is never
// overwritten, failed saves are shown and retried, and closing asks before losing a game.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "core/save_messages.h"
#include "game/game.h"
#include "tests/support/temp_dir.h"
#include "tests/support/virtual_desktop.h"

namespace tarvolenka {
namespace {

using testing::TempDir;
using testing::VirtualDesktop;

class SaveTrouble : public ::testing::Test {
 protected:
  std::filesystem::path save() const { return dir_ / kSaveFileName; }
  void Launch() {
    game_ = std::make_unique<Game>(desk_, save());
    desk_.Start();
  }
  bool NoticeShown() { return desk_.Visible(Ref(MainEl::SaveNotice)); }
  void Spin() {
    desk_.Click(Ref(MainEl::StartButton));
    desk_.RunUntil([this] { return game_->machine().StartEnabled == 1; }, 600000);
  }

  TempDir dir_;
  VirtualDesktop desk_{MakeDateTime(2026, 12, 8, 21, 5, 9)};
  std::unique_ptr<Game> game_;
};

TEST_F(SaveTrouble, QuittingOverAnUnusableSaveLeavesItAsItWas) {
  std::filesystem::create_directory(save());
  Launch();
  ASSERT_EQ(desk_.questions().size(), 1u);
  EXPECT_NE(desk_.questions()[0].find("Tarvolenka.cfg"), std::string::npos);
  EXPECT_NE(desk_.questions()[0].find("папка"), std::string::npos);  // the reason, in words
  EXPECT_EQ(desk_.log(), desk_.questions());  // the same line goes to the log
  EXPECT_EQ(desk_.quitStatus(), 1);
  desk_.Close(WindowId::Main);  // closing saves nothing now
  EXPECT_TRUE(std::filesystem::is_directory(save()));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1);
}

TEST_F(SaveTrouble, ANewGameOverAnUnusableSaveKeepsItUnderAStampedName) {
  std::filesystem::create_symlink(dir_ / "on-a-drive-not-mounted", save());
  desk_.AnswerNewGame(true);
  Launch();
  EXPECT_FALSE(desk_.quitStatus());
  const auto aside = dir_ / "Tarvolenka.cfg.unusable-20261208-210509";
  EXPECT_TRUE(std::filesystem::is_symlink(aside));
  EXPECT_EQ(std::filesystem::read_symlink(aside), dir_ / "on-a-drive-not-mounted");
  EXPECT_EQ(Decode(*SaveFile(save()).Read()).Balance, 30000);
}

TEST_F(SaveTrouble, AFailedSaveShowsANoticeUntilASaveLandsAgain) {
  Launch();
  ::chmod(save().c_str(), 0444);  // refused even to root: nothing may write it
  Spin();
  EXPECT_TRUE(NoticeShown());
  EXPECT_NE(desk_.Text(Ref(MainEl::SaveNotice)).find("не е записана"), std::string::npos);
  ASSERT_EQ(desk_.log().size(), 1u);
  EXPECT_NE(desk_.log()[0].find("could not be saved"), std::string::npos);
  Spin();
  EXPECT_EQ(desk_.log().size(), 1u);  // the same trouble is logged once
  ::chmod(save().c_str(), 0644);
  Spin();
  EXPECT_FALSE(NoticeShown());
  EXPECT_EQ(Decode(*SaveFile(save()).Read()), game_->machine().State);
}

TEST_F(SaveTrouble, ClosingWhileSavesFailAsksToRetryAndTheRetryCanLand) {
  Launch();
  ::chmod(save().c_str(), 0444);
  Spin();
  desk_.AnswerRetries(1);
  desk_.WhileAsking([this] { ::chmod(save().c_str(), 0644); });  // mended meanwhile
  desk_.CloseByWindowSystem(WindowId::Main);
  EXPECT_EQ(desk_.questions().size(), 1u);
  EXPECT_EQ(Decode(*SaveFile(save()).Read()), game_->machine().State);
}

TEST_F(SaveTrouble, QuittingAtTheRetryQuestionLeavesTheLastGoodSave) {
  Launch();
  const auto before = testing::ReadFileBytes(save());
  ::chmod(save().c_str(), 0444);
  Spin();
  desk_.AnswerRetries(2);
  desk_.CloseByWindowSystem(WindowId::Main);
  EXPECT_EQ(desk_.questions().size(), 3u);  // asked, retried twice, then quit
  EXPECT_EQ(testing::ReadFileBytes(save()), before);
  EXPECT_FALSE(desk_.IsShown(WindowId::Main));
}

TEST_F(SaveTrouble, ADueTimeBeyondTheHourIsBroughtBackToIt) {
  GameState s = NewGameState(desk_.NowLocal());
  s.BonusDueTime = 1e308;  // finite, so not repaired as damaged
  SaveFile(save()).Write(Encode(s));
  Launch();
  desk_.RunFor(1000);
  EXPECT_EQ(desk_.Text(Ref(MainEl::TimedBonusCountdown)), "00:59:59");
  // While it runs: a due time five hours ahead, as a clock set back or a new time zone gives.
  game_->machine().State.BonusDueTime = desk_.NowLocal() + 5.0 / 24;
  desk_.RunFor(1000);
  EXPECT_EQ(desk_.Text(Ref(MainEl::TimedBonusCountdown)), "01:00:00");
  desk_.RunFor(3600LL * 1000);
  EXPECT_TRUE(desk_.Visible(Ref(MainEl::TakeBonusButton)));
}

TEST(SaveMessages, TheCountdownNeverShowsLessThanRemainsAndAsideNamesAreStamped) {
  const DateTime t = MakeDateTime(2026, 12, 8, 9, 0, 0);
  EXPECT_EQ(FormatCountdown(t + 59.4 / 86400, t), "00:01:00");
  EXPECT_EQ(FormatCountdown(PlusOneHour(t), t), "01:00:00");
  EXPECT_EQ(UnusableSaveName("Tarvolenka.cfg", MakeDateTime(1999, 2, 28, 23, 59, 58, 400)),
            "Tarvolenka.cfg.unusable-19990228-235958");
}

}  // namespace
}  // namespace tarvolenka
