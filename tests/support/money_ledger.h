#pragma once

// An independent book of the player's money. It never reads the game's own bookkeeping (LastWin,
// the bonus round, the double-up's amount in hand): it watches what the screen shows after every
// event — the spin timer starting and stopping, the counters, the reel cells, the windows that
// open and what they announce — books every stake and every credit from that, and checks the
// balance against the book.

#include <array>
#include <cstdint>
#include <optional>

#include "core/machine.h"
#include "tests/support/virtual_desktop.h"

namespace tarvolenka::testing {

struct LedgerCounts {
  std::int64_t paidSpins = 0;
  std::int64_t freeSpins = 0;
  std::int64_t winningSpins = 0;
  std::int64_t bonusResults = 0;
  std::int64_t levelUps = 0;
  std::int64_t timedBonuses = 0;
  std::int64_t megaBonuses = 0;
  std::int64_t doubleUps = 0;
  std::int64_t doublesWon = 0;
  std::int64_t staked = 0;
  std::int64_t credited = 0;
};

class MoneyLedger {
 public:
  MoneyLedger(const VirtualDesktop& desk, const Machine& machine);

  // Opens the book at the balance the screen shows once the game has started.
  void Open();
  // Books what the last event did and checks the balance; throws InvariantBroken.
  void Observe();

  std::int64_t expected() const { return expected_; }
  const LedgerCounts& counts() const { return counts_; }

 private:
  // What the ledger reads off the screen after an event.
  struct Screen {
    bool spinning = false;
    std::int64_t freeSpins = 0;
    std::int64_t totalStake = 0;
    std::int64_t lineStake = 0;
    std::int64_t win = 0;
    std::int64_t credit = 0;
    std::int64_t experience = 0;
    std::array<bool, kWindowCount> shown{};
    // Shown, or closed but still on top until its caller takes over again.
    std::array<bool, kWindowCount> present{};
    int depth = 0;
    WindowId top = WindowId::Main;
    // The top modal window has closed but its caller has not yet acted on it.
    bool settling = false;
  };

  Screen Read() const;
  void BookSpins(const Screen& now);
  void BookWindows(const Screen& now);
  bool Opened(const Screen& now, WindowId window) const;
  void BookAnnouncement(const Screen& now, WindowId window,
                        std::int64_t (MoneyLedger::*read)() const);
  void CountClosing(WindowId window, std::int64_t amount);
  void Check(const Screen& now) const;

  std::int64_t LineWinOnScreen(std::int64_t lineStake) const;
  std::int64_t ResultAmount() const;
  std::int64_t TimedBonusAmount() const;
  std::int64_t MegaPrize() const;
  std::int64_t DoubleInHand() const;

  void Take(std::int64_t amount);
  void Credit(std::int64_t amount);

  const VirtualDesktop& desk_;
  const Machine& machine_;
  Screen prev_;
  std::int64_t expected_ = 0;
  std::int64_t doubleStake_ = 0;
  // What the last double-up brought back: the win counter shows it until a spin or an award.
  std::optional<std::int64_t> doubleReturned_;
  // The amount a window announces, credited once its caller has taken over again.
  std::array<std::int64_t, kWindowCount> announced_{};
  LedgerCounts counts_;
};

}  // namespace tarvolenka::testing
