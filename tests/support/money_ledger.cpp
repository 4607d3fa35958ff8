#include "tests/support/money_ledger.h"

#include <charconv>
#include <string>

#include "catalogue/bonus_result_elements.h"
#include "catalogue/double_up_elements.h"
#include "catalogue/level_up_elements.h"
#include "catalogue/main_elements.h"
#include "catalogue/mega_bonus_elements.h"
#include "catalogue/timed_bonus_elements.h"
#include "core/paylines.h"
#include "tests/support/invariant_broken.h"

namespace tarvolenka::testing {
namespace {

// The leading decimal number of a text; an empty text (a hidden counter) reads as 0.
std::int64_t NumberIn(const std::string& text) {
  std::int64_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::int64_t NumberOn(const VirtualDesktop& desk, ElementRef element) {
  return NumberIn(desk.Text(element));
}

std::string Name(WindowId window) {
  return std::string(SpecOf(window).className);
}

}  // namespace

MoneyLedger::MoneyLedger(const VirtualDesktop& desk, const Machine& machine)
    : desk_(desk), machine_(machine) {}

void MoneyLedger::Open() {
  prev_ = Read();
  expected_ = prev_.credit;
  Check(prev_);
}

MoneyLedger::Screen MoneyLedger::Read() const {
  Screen s;
  s.spinning = desk_.IsTimerRunning(TimerOf(MainTimer::Spin));
  s.freeSpins = NumberOn(desk_, Ref(MainEl::FreeSpinsCounter));
  s.totalStake = NumberOn(desk_, Ref(MainEl::TotalStakeCounter));
  s.lineStake = NumberOn(desk_, Ref(MainEl::LineStakeCounter));
  s.win = NumberOn(desk_, Ref(MainEl::WinCounter));
  s.credit = NumberOn(desk_, Ref(MainEl::CreditCounter));
  s.experience = NumberOn(desk_, Ref(MainEl::ExperienceText));
  for (int w = 0; w < kWindowCount; ++w)
    s.shown[static_cast<std::size_t>(w)] = desk_.IsShown(static_cast<WindowId>(w));
  s.depth = desk_.modalDepth();
  s.top = desk_.inputWindow();
  s.settling = s.depth > 0 && !desk_.IsShown(s.top);
  s.present = s.shown;
  if (s.depth > 0) s.present[static_cast<std::size_t>(s.top)] = true;
  return s;
}

void MoneyLedger::Observe() {
  const Screen now = Read();
  BookSpins(now);
  BookWindows(now);
  prev_ = now;
  Check(now);
}

void MoneyLedger::BookSpins(const Screen& now) {
  if (!prev_.spinning && now.spinning) {
    doubleReturned_.reset();
    const bool free = prev_.freeSpins > 0 && now.freeSpins == prev_.freeSpins - 1;
    if (free) {
      ++counts_.freeSpins;
    } else {
      Require(now.freeSpins == prev_.freeSpins, "a paid spin started while free spins were due");
      Take(prev_.totalStake);
      ++counts_.paidSpins;
    }
    Require(now.experience - prev_.experience == prev_.totalStake,
            "a spin did not earn its total stake " + std::to_string(prev_.totalStake) +
                " in experience");
  }
  if (prev_.spinning && !now.spinning) {
    // The win counter shows the line win of the final screen until a bonus adds to it.
    const std::int64_t pay = LineWinOnScreen(now.lineStake);
    Require(now.win == pay, "the spin credited " + std::to_string(now.win) +
                                " but the screen pays " + std::to_string(pay));
    Credit(now.win);
    if (now.win > 0) ++counts_.winningSpins;
  }
}

bool MoneyLedger::Opened(const Screen& now, WindowId window) const {
  const auto i = static_cast<std::size_t>(window);
  return now.present[i] && !prev_.present[i];
}

void MoneyLedger::BookWindows(const Screen& now) {
  if (Opened(now, WindowId::LevelUp)) {
    // The level-up window pays its award as it opens.
    const std::int64_t award = NumberOn(desk_, Ref(LevelUpEl::LevelAwardValue));
    Require(award == NumberOn(desk_, Ref(LevelUpEl::LevelNumber)) * 2000,
            "the level award is not 2000 times the new level");
    Credit(award);
    ++counts_.levelUps;
  }
  if (Opened(now, WindowId::DoubleUp)) {
    // The last win leaves the balance as the stake of the gamble; the first rung doubles it.
    doubleStake_ = prev_.win;
    Require(
        NumberOn(desk_, Ref(DoubleUpEl::Rung1)) == 2 * doubleStake_,
        "the double-up ladder does not start at twice the stake " + std::to_string(doubleStake_));
    Take(doubleStake_);
    ++counts_.doubleUps;
  }
  BookAnnouncement(now, WindowId::BonusResult, &MoneyLedger::ResultAmount);
  BookAnnouncement(now, WindowId::TimedBonus, &MoneyLedger::TimedBonusAmount);
  BookAnnouncement(now, WindowId::MegaBonus, &MoneyLedger::MegaPrize);
  BookAnnouncement(now, WindowId::DoubleUp, &MoneyLedger::DoubleInHand);
}

void MoneyLedger::BookAnnouncement(const Screen& now, WindowId window,
                                   std::int64_t (MoneyLedger::*read)() const) {
  const auto i = static_cast<std::size_t>(window);
  if (now.present[i]) {
    announced_[i] = (this->*read)();
  } else if (prev_.present[i]) {
    CountClosing(window, announced_[i]);
    Credit(announced_[i]);
    if (window == WindowId::DoubleUp)
      doubleReturned_ = announced_[i];
    else
      doubleReturned_.reset();  // an award shows as the win
  }
}

void MoneyLedger::CountClosing(WindowId window, std::int64_t amount) {
  switch (window) {
    case WindowId::BonusResult:
      ++counts_.bonusResults;
      break;
    case WindowId::TimedBonus:
      ++counts_.timedBonuses;
      break;
    case WindowId::MegaBonus:
      ++counts_.megaBonuses;
      break;
    case WindowId::DoubleUp: {
      bool onLadder = amount == 0 || amount == doubleStake_;
      for (const Rung& rung : kDoubleLadder)
        onLadder = onLadder || amount == doubleStake_ * rung.multiplier;
      Require(onLadder, "the double-up paid " + std::to_string(amount) + " for a stake of " +
                            std::to_string(doubleStake_));
      if (amount > doubleStake_) ++counts_.doublesWon;
      break;
    }
    default:
      break;
  }
}

std::int64_t MoneyLedger::LineWinOnScreen(std::int64_t lineStake) const {
  // The symbols are read back from the pictures in the cells of the visible rows.
  ReelWindow window;
  for (int reel = 1; reel <= kReels; ++reel) {
    for (int row = 1; row < kRows; ++row) {
      const Picture shown = desk_.PictureOf(Ref(ReelCell(reel, row)));
      for (int k = 1; k <= 15; ++k)
        if (desk_.PictureOf(Ref(SymbolPicture(k))) == shown)
          window.at(row, reel) = static_cast<SymbolId>(k);
    }
  }
  WinningLineFlags flags{};
  return EvaluateLines(window, flags) * lineStake;
}

std::int64_t MoneyLedger::ResultAmount() const {
  // "amount × 3 (бутилка) × stake (на линия) = win": the shown win must be the product it
  // reckons, each factor's number first in its part.
  const std::string& reckoning = desk_.Text(Ref(BonusResultEl::Reckoning));
  const std::size_t equals = reckoning.find(" = ");
  Require(equals != std::string::npos, "the bonus reckoning reads '" + reckoning + "'");
  const std::string times = " × ";
  std::int64_t product = 1;
  for (std::size_t pos = 0; pos < equals;) {
    product *= NumberIn(reckoning.substr(pos));
    const std::size_t next = reckoning.find(times, pos);
    pos = next == std::string::npos || next > equals ? equals : next + times.size();
  }
  const std::size_t pos = equals + 3;
  const std::int64_t win = NumberOn(desk_, Ref(BonusResultEl::Win));
  Require(win == product && NumberIn(reckoning.substr(pos)) == win,
          "the bonus result " + std::to_string(win) + " does not match '" + reckoning + "'");
  return win;
}

std::int64_t MoneyLedger::TimedBonusAmount() const {
  return NumberOn(desk_, Ref(TimedBonusEl::Amount));
}

std::int64_t MoneyLedger::MegaPrize() const {
  int lit = 0;
  std::int64_t prize = 0;
  for (int cell = 1; cell <= kMegaCells; ++cell) {
    if (!desk_.Visible(Ref(MegaLight(cell)))) continue;
    ++lit;
    prize = NumberOn(desk_, Ref(MegaLabel(cell)));
  }
  Require(lit == 1, "the mega bonus shows " + std::to_string(lit) + " lit cells");
  return prize;
}

std::int64_t MoneyLedger::DoubleInHand() const {
  return NumberOn(desk_, Ref(DoubleUpEl::Amount));
}

void MoneyLedger::Take(std::int64_t amount) {
  expected_ -= amount;
  counts_.staked += amount;
}

void MoneyLedger::Credit(std::int64_t amount) {
  Require(amount >= 0, "a negative credit of " + std::to_string(amount));
  expected_ += amount;
  counts_.credited += amount;
}

void MoneyLedger::Check(const Screen& now) const {
  const GameState& s = machine_.State;
  Require(s.Balance >= 0, "the balance went negative: " + std::to_string(s.Balance));
  if (!now.settling) {
    Require(s.Balance == expected_, "balance " + std::to_string(s.Balance) + ", ledger " +
                                        std::to_string(expected_) + " (top window " +
                                        Name(now.top) + ")");
  }
  if (now.depth == 0) {
    // Between events of the main window the counters show the truth.
    Require(now.credit == s.Balance, "the credit counter shows " + std::to_string(now.credit) +
                                         " for a balance of " + std::to_string(s.Balance));
    const std::int64_t shown = doubleReturned_.value_or(s.LastWin);
    Require(now.win == shown, "the win counter shows " + std::to_string(now.win) +
                                  " for a last win of " + std::to_string(shown));
  }
}

}  // namespace tarvolenka::testing
