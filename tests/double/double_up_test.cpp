#include <gtest/gtest.h>

#include "tests/support/machine_fixture.h"

namespace tarvolenka {
namespace {

class DoubleUp : public MachineTest {
 protected:
  // As after a spin that won `win`.
  void Won(std::int64_t win) {
    s().LastWin = win;
    s().Balance += win;
    form().EnableControls();
    form().RefreshDisplay();
  }
  ElementRef D(DoubleUpEl e) { return Ref(e); }
  const std::string& DText(DoubleUpEl e) { return desk_.Text(Ref(e)); }
  Rgb Colour(DoubleUpEl e) { return desk_.State(Ref(e)).colour; }
  // The drink the next draw will give, read from a copy of the game's generator.
  Drink NextDraw() {
    Random copy = m().Rng;
    return (copy.Below(256) & 1u) != 0 ? kVodka : kBeer;
  }
  void GuessRight() {
    desk_.Click(Ref(NextDraw() == kVodka ? DoubleUpEl::VodkaButton : DoubleUpEl::BeerButton));
  }
  void GuessWrong() {
    desk_.Click(Ref(NextDraw() == kVodka ? DoubleUpEl::BeerButton : DoubleUpEl::VodkaButton));
  }
  void Collect() { desk_.Click(Ref(DoubleUpEl::CollectButton)); }
  std::vector<Cue> CuesExceptTicks() {
    std::vector<Cue> out;
    for (const auto& c : desk_.cues())
      if (c.cue != Cue::Move) out.push_back(c.cue);
    return out;
  }
};

TEST_F(DoubleUp, ShowsTheLadderOfTheLastWin) {
  Won(5);
  desk_.Then(100, [this] {
    const char* expected[] = {"10", "20", "40", "80", "160", "320", "1500"};
    for (int k = 0; k < 7; ++k) {
      EXPECT_EQ(desk_.Text(Ref(kDoubleLadder[static_cast<std::size_t>(k)].panel)), expected[k]);
      EXPECT_EQ(desk_.State(Ref(kDoubleLadder[static_cast<std::size_t>(k)].panel)).colour,
                colours::kYellow);
    }
    EXPECT_EQ(DText(DoubleUpEl::Amount), "5");
    EXPECT_EQ(m().DoubleEnabled, 0);
    EXPECT_EQ(desk_.PictureOf(Ref(MainEl::DoubleButton)), Picture::ButtonDoubleGrey);
    Collect();
  });
  Click(MainEl::DoubleButton);
  EXPECT_FALSE(desk_.IsShown(WindowId::DoubleUp));
}

TEST_F(DoubleUp, CollectingAtOnceLeavesTheBalanceAsBefore) {
  Won(40);
  const std::int64_t before = s().Balance;
  desk_.Then(100, [this, before] {
    EXPECT_EQ(s().Balance, before - 40);  // the stake is in hand
    Collect();
  });
  Click(MainEl::DoubleButton);
  EXPECT_EQ(s().Balance, before);
  EXPECT_EQ(s().LastWin, 40);
  EXPECT_EQ(Text(MainEl::CreditCounter), std::to_string(before));
  // The same win cannot be gambled twice.
  Click(MainEl::DoubleButton);
  EXPECT_EQ(s().Balance, before);
}

TEST_F(DoubleUp, AWrongFirstGuessLosesTheWinAfterFourSeconds) {
  Won(40);
  const std::int64_t before = s().Balance;
  std::int64_t guessedAt = 0;
  desk_.Then(100, [&] {
    guessedAt = desk_.now();
    GuessWrong();
  });
  Click(MainEl::DoubleButton);
  EXPECT_EQ(desk_.now() - guessedAt, 4000 + 1000);  // the closing pause, then the guess's own
  EXPECT_EQ(Colour(DoubleUpEl::Rung1), colours::kMaroon);
  EXPECT_EQ(DText(DoubleUpEl::Amount), "0");
  EXPECT_EQ(s().Balance, before - 40);
  EXPECT_EQ(game_->doubleUp().rules().inHand(), 0);
  EXPECT_EQ(CuesExceptTicks().back(), Cue::Miss);
  // ПЕЧАЛБА shows what came back; the save keeps the spin's win.
  EXPECT_EQ(Text(MainEl::WinCounter), "0");
  EXPECT_EQ(s().LastWin, 40);
}

TEST_F(DoubleUp, TheButtonsRestFadedAfterALossAndWakeAtTheNextOpening) {
  const auto live = [this](bool expected) {
    for (const DoubleUpEl e :
         {DoubleUpEl::VodkaButton, DoubleUpEl::BeerButton, DoubleUpEl::CollectButton})
      EXPECT_EQ(desk_.Visible(D(e)), expected);
    for (const DoubleUpEl e :
         {DoubleUpEl::VodkaSpent, DoubleUpEl::BeerSpent, DoubleUpEl::CollectSpent})
      EXPECT_EQ(desk_.Visible(D(e)), !expected);
    EXPECT_EQ(desk_.Visible(D(DoubleUpEl::JokerButton)), expected);
  };
  Won(40);
  desk_.Then(100, [this] { GuessWrong(); });
  desk_.Then(2000, [&] { live(false); });  // within the closing pause
  Click(MainEl::DoubleButton);
  Won(40);
  desk_.Then(100, [&] {
    live(true);
    Collect();
  });
  Click(MainEl::DoubleButton);
}

TEST_F(DoubleUp, ThreeRightGuessesThenCollectPayEightTimes) {
  Won(25);
  const std::int64_t before = s().Balance;
  for (int i = 0; i < 3; ++i) desk_.Then(i == 0 ? 100 : 1500, [this] { GuessRight(); });
  desk_.Then(1500, [this] {
    EXPECT_EQ(desk_.TimerInterval(TimerOf(DoubleUpTimer::Blink)), 310);
    for (auto p : {DoubleUpEl::Rung1, DoubleUpEl::Rung2, DoubleUpEl::Rung3})
      EXPECT_EQ(Colour(p), kRungWon);
    EXPECT_EQ(Colour(DoubleUpEl::Rung4), colours::kYellow);
    EXPECT_EQ(DText(DoubleUpEl::Amount), "200");
    Collect();
  });
  Click(MainEl::DoubleButton);
  EXPECT_EQ(s().Balance, before - 25 + 200);
  EXPECT_EQ(s().LastWin, 25);
  EXPECT_EQ(Text(MainEl::WinCounter), "200");
}

class SevenRungs : public DoubleUp, public ::testing::WithParamInterface<bool> {};

TEST_P(SevenRungs, TheTopRungPaysThreeHundredTimesAndClosesByItself) {
  const bool jokerLast = GetParam();
  Won(10);
  const std::int64_t before = s().Balance;
  for (int i = 0; i < 6; ++i) desk_.Then(i == 0 ? 100 : 1500, [this] { GuessRight(); });
  desk_.Then(1500, [this, jokerLast] {
    desk_.ClearCues();
    if (jokerLast)
      desk_.Click(Ref(DoubleUpEl::JokerButton));
    else
      GuessRight();
  });
  Click(MainEl::DoubleButton);  // returns once the window has closed without a click
  EXPECT_EQ(game_->doubleUp().rules().inHand(), 3000);
  EXPECT_EQ(s().Balance, before - 10 + 3000);
  EXPECT_EQ(Colour(DoubleUpEl::Rung7), kRungWon);
  EXPECT_EQ(CuesExceptTicks(), (std::vector<Cue>{Cue::Hit, Cue::DoubleWin}));
  EXPECT_EQ(s().JokerUses, jokerLast ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(DrawnOrJoker, SevenRungs, ::testing::Values(false, true));

TEST_F(DoubleUp, TheJokerStaysHiddenUntilItIsRearmed) {
  Won(10);
  desk_.Then(100, [this] { desk_.Click(Ref(DoubleUpEl::JokerButton)); });
  desk_.Then(100, [this] {
    EXPECT_FALSE(desk_.Visible(Ref(DoubleUpEl::JokerButton)));
    EXPECT_EQ(DText(DoubleUpEl::Amount), "20");  // the joker won the first rung without a draw
    Collect();
  });
  Click(MainEl::DoubleButton);
  EXPECT_EQ(s().JokerUses, 1);

  Won(10);
  desk_.Then(100, [this] {
    EXPECT_FALSE(desk_.Visible(Ref(DoubleUpEl::JokerButton)));
    EXPECT_TRUE(desk_.Visible(Ref(DoubleUpEl::JokerSpent)));  // faded in its place
    desk_.Click(Ref(DoubleUpEl::JokerButton));                // hidden: nothing happens
    desk_.Click(Ref(DoubleUpEl::JokerSpent));                 // nor from its stand-in
    EXPECT_EQ(DText(DoubleUpEl::Amount), "10");
    Collect();
  });
  Click(MainEl::DoubleButton);

  s().JokerUses = 0;  // as the timed bonus does
  Won(10);
  desk_.Then(100, [this] {
    EXPECT_TRUE(desk_.Visible(Ref(DoubleUpEl::JokerButton)));
    EXPECT_FALSE(desk_.Visible(Ref(DoubleUpEl::JokerSpent)));
    Collect();
  });
  Click(MainEl::DoubleButton);
}

TEST_F(DoubleUp, TheHistoryStripCarriesOverAndDropsOldDrawsAfterTen) {
  std::vector<Picture> draws;  // every drink drawn, oldest first
  auto guessRight = [&] {
    draws.push_back(NextDraw() == kVodka ? Picture::PlateVodka : Picture::PlateBeer);
    GuessRight();
  };
  auto strip = [this] {
    std::vector<Picture> shown;
    for (int i = 1; i <= 10; ++i) shown.push_back(desk_.PictureOf(Ref(HistorySlot(i))));
    return shown;
  };
  auto newestFirst = [&](std::size_t count) {
    std::vector<Picture> expected(
        draws.rbegin(),
        draws.rbegin() + static_cast<std::ptrdiff_t>(std::min(count, draws.size())));
    expected.resize(10, Picture::DoubleSlotEmpty);
    return expected;
  };
  // Three openings of 2, 6 and 4 draws.
  for (int draws_in_opening : {2, 6, 4}) {
    Won(1);
    desk_.Then(100, [&] {
      EXPECT_EQ(strip(), newestFirst(10)) << "the strip carries over between openings";
    });
    for (int i = 0; i < draws_in_opening; ++i) desk_.Then(i == 0 ? 1 : 1500, guessRight);
    desk_.Then(1500, [this] { Collect(); });
    Click(MainEl::DoubleButton);
    EXPECT_EQ(strip(), newestFirst(10));
  }
  // The first opening's two draws are gone after ten more.
  ASSERT_EQ(draws.size(), 12u);
  EXPECT_EQ(strip(), std::vector<Picture>(draws.rbegin(), draws.rbegin() + 10));
}

TEST_F(DoubleUp, ClicksAfterALossDoNothing) {
  Won(40);
  desk_.Then(100, [this] { GuessWrong(); });
  Click(MainEl::DoubleButton);
  EXPECT_FALSE(desk_.IsShown(WindowId::DoubleUp));
  EXPECT_FALSE(game_->doubleUp().rules().open());
  game_->doubleUp().GuessVodka();
  game_->doubleUp().UseJoker();
  EXPECT_EQ(game_->doubleUp().rules().inHand(), 0);
  EXPECT_EQ(s().JokerUses, 0);
}

TEST_F(DoubleUp, TheWindowSystemCloseCollects) {
  Won(30);
  const std::int64_t before = s().Balance;
  desk_.Then(100, [this] { GuessRight(); });
  desk_.Then(1500, [this] { desk_.CloseByWindowSystem(WindowId::DoubleUp); });
  Click(MainEl::DoubleButton);
  EXPECT_EQ(s().Balance, before - 30 + 60);
}

TEST_F(DoubleUp, EndingTheProgramMidGambleSavesTheAmountInHand) {
  Won(30);
  const std::int64_t before = s().Balance;
  desk_.Then(100, [this] { GuessRight(); });
  // The session ends while the window is open: the main window closes and saves.
  desk_.Then(1500, [this] { desk_.Close(WindowId::Main); });
  desk_.Then(100, [this] { Collect(); });
  Click(MainEl::DoubleButton);
  EXPECT_EQ(Decode(*SaveFile(dir_ / kSaveFileName).Read()).Balance, before - 30 + 60);
}

TEST_F(DoubleUp, EveryRoutedPanelOpensItAfterAWin) {
  for (MainEl e :
       {MainEl::WinPanel, MainEl::TotalStakePanel, MainEl::LineStakePanel, MainEl::LinesPanel,
        MainEl::BalancePanel, MainEl::BonusStage, MainEl::LevelBadge, MainEl::DoubleButton}) {
    Won(7);
    bool opened = false;
    desk_.Then(100, [&] {
      opened = desk_.IsShown(WindowId::DoubleUp);
      Collect();
    });
    Click(e);
    EXPECT_TRUE(opened) << SpecOf(Ref(e)).name;
    desk_.RunFor(200);  // let any unused scripted action pass
  }
}

TEST_F(DoubleUp, ShakingFromTheSixthRungNeverCarriesTheWindowOffTheScreen) {
  Won(1);
  for (int i = 0; i < 6; ++i) desk_.Then(i == 0 ? 100 : 1500, [this] { GuessRight(); });
  desk_.Then(1, [this] { EXPECT_TRUE(desk_.IsTimerRunning(TimerOf(DoubleUpTimer::Shake))); });
  // Shake for a long while before collecting.
  desk_.Then(600000, [this] {
    const Point p = desk_.WindowPosition(WindowId::DoubleUp);
    const WindowSpec& w = SpecOf(WindowId::DoubleUp);
    EXPECT_GE(p.x, 0);
    EXPECT_GE(p.y, 0);
    EXPECT_LE(p.x + w.width, testing::VirtualDesktop::kScreen.width);
    EXPECT_LE(p.y + w.height, testing::VirtualDesktop::kScreen.height);
    Collect();
  });
  Click(MainEl::DoubleButton);
  EXPECT_EQ(game_->doubleUp().rules().inHand(), 64);
}

TEST_F(DoubleUp, TheMarkersBlinkAndTickOnlyWhileTheWindowShows) {
  desk_.ClearCues();
  desk_.RunFor(2000);  // the window is hidden: the markers flip, silently
  EXPECT_EQ(CueCount(Cue::Move), 0);
  Won(1);
  desk_.Then(2100, [this] { Collect(); });
  Click(MainEl::DoubleButton);
  EXPECT_EQ(CueCount(Cue::Move), 5);  // the blink keeps its 400 ms beat: five ticks in 2.1 s
  EXPECT_FALSE(desk_.IsTimerRunning(TimerOf(DoubleUpTimer::Blink)));  // closing stops the blink
}

TEST_F(DoubleUp, AutoPlayWaitsWhileTheDoubleUpIsOpen) {
  WaitFor(Winning);
  Click(MainEl::AutoPlayBox);
  FinishSpin();
  ASSERT_TRUE(Running(MainTimer::AutoPlay));
  desk_.Then(5000, [this] {
    EXPECT_FALSE(Running(MainTimer::AutoPlay));
    Collect();
  });
  Click(MainEl::DoubleButton);
  EXPECT_TRUE(Running(MainTimer::AutoPlay));
  desk_.RunFor(2000);
  EXPECT_TRUE(Spinning());
}

}  // namespace
}  // namespace tarvolenka
