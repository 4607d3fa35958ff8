// The ledger keeps its own books from the screen: a game that pays what its windows did not
// announce is caught, an honest one balances.

#include "tests/support/money_ledger.h"

#include <gtest/gtest.h>

#include <memory>

#include "catalogue/double_up_elements.h"
#include "catalogue/main_elements.h"
#include "game/game.h"
#include "tests/support/invariant_broken.h"
#include "tests/support/monkey_player.h"
#include "tests/support/spin_oracle.h"
#include "tests/support/temp_dir.h"

namespace tarvolenka::testing {
namespace {

bool WinningScreen(const ReelWindow& w) {
  WinningLineFlags flags{};
  return CountVisible(w, kBonusSymbol) < 3 && CountVisible(w, kScatterSymbol) < 3 &&
         EvaluateLines(w, flags) > 0;
}

class MoneyLedgerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SaveFile(dir_ / kSaveFileName).Write(Encode(RichGameState(desk_.NowLocal())));
    game_ = std::make_unique<Game>(desk_, dir_ / kSaveFileName);
    desk_.Start();
    ledger_ = std::make_unique<MoneyLedger>(desk_, game_->machine());
    ledger_->Open();
    desk_.SetObserver([this] {
      if (tamper_) tamper_();
      ledger_->Observe();
    });
  }

  Machine& m() { return game_->machine(); }
  bool Spinning() { return desk_.IsTimerRunning(TimerOf(MainTimer::Spin)); }

  // Plays a winning spin to its end.
  void WinASpin() {
    ASSERT_TRUE(WaitForOutcome(desk_, m(), WinningScreen));
    desk_.Click(Ref(MainEl::StartButton));
    ASSERT_TRUE(desk_.RunUntil([this] { return !Spinning(); }, 60000));
  }

  // Gambles the last win and collects after one guess, whatever it brings.
  void DoubleUpOnce() {
    desk_.ThenClick(100, Ref(MainEl::DoubleButton));
    desk_.ThenClick(100, Ref(DoubleUpEl::VodkaButton));
    desk_.Then(1500, [this] {
      if (desk_.IsShown(WindowId::DoubleUp)) desk_.Click(Ref(DoubleUpEl::CollectButton));
    });
    desk_.RunFor(10000);
  }

  TempDir dir_;
  VirtualDesktop desk_{MakeDateTime(2026, 12, 8, 10, 0, 0)};
  std::unique_ptr<Game> game_;
  std::unique_ptr<MoneyLedger> ledger_;
  std::function<void()> tamper_;
};

TEST_F(MoneyLedgerTest, BalancesTheBooksOfAnHonestSpinAndDoubleUp) {
  const std::int64_t start = m().State.Balance;
  WinASpin();
  DoubleUpOnce();
  EXPECT_EQ(ledger_->counts().paidSpins, 1);
  EXPECT_EQ(ledger_->counts().doubleUps, 1);
  EXPECT_EQ(ledger_->expected(), m().State.Balance);
  EXPECT_NE(m().State.Balance, start);
}

TEST_F(MoneyLedgerTest, CatchesASpinThatPaysMoreThanItsScreen) {
  // An end of spin that credits one more than the winning lines pay.
  tamper_ = [this, wasSpinning = false]() mutable {
    if (wasSpinning && !Spinning()) {
      m().State.Balance += 1;
      m().State.LastWin += 1;
      game_->main().RefreshDisplay();
    }
    wasSpinning = Spinning();
  };
  EXPECT_THROW(WinASpin(), InvariantBroken);
}

TEST_F(MoneyLedgerTest, CatchesADoubleUpThatPaysOtherThanItShowed) {
  WinASpin();
  // The amount handed back differs from the one the window showed in hand.
  tamper_ = [this] {
    if (desk_.modalDepth() > 0 && desk_.inputWindow() == WindowId::DoubleUp)
      game_->main().DoubleUpInHand(7);
  };
  EXPECT_THROW(DoubleUpOnce(), InvariantBroken);
}

TEST_F(MoneyLedgerTest, CatchesACreditThatVanishes) {
  desk_.RunFor(1000);
  m().State.Balance -= 1;
  EXPECT_THROW(desk_.RunFor(1000), InvariantBroken);
}

}  // namespace
}  // namespace tarvolenka::testing
