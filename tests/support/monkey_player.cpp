#include "tests/support/monkey_player.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "catalogue/double_up_elements.h"
#include "catalogue/main_elements.h"
#include "tests/support/invariant_broken.h"
#include "tests/support/spin_oracle.h"

namespace tarvolenka::testing {
namespace {

constexpr std::int64_t kHourMs = 60LL * 60 * 1000;
constexpr std::int64_t kDayMs = 24 * kHourMs;
// No window of the game needs anywhere near this long once someone keeps clicking it.
constexpr std::int64_t kLongestModalMs = 2 * kHourMs;
// How far ahead a waiting player looks for a moment that brings a feature.
constexpr int kAimHorizonMs = 20000;

// The pictures and texts of a window that take clicks, in catalogue order.
const std::vector<ElementRef>& Clickable(WindowId window) {
  static const auto table = [] {
    std::array<std::vector<ElementRef>, kWindowCount> t;
    for (int w = 0; w < kWindowCount; ++w) {
      const auto id = static_cast<WindowId>(w);
      const auto& elements = SpecOf(id).elements;
      for (std::size_t i = 0; i < elements.size(); ++i)
        if (elements[i].click != kNoClick)
          t[static_cast<std::size_t>(w)].push_back({id, static_cast<std::uint16_t>(i)});
    }
    return t;
  }();
  return table[static_cast<std::size_t>(window)];
}

// The main window's controls that must do nothing while the reels turn; START stops them.
bool InertWhileTurning(ElementRef element) {
  if (element.window != WindowId::Main) return false;
  switch (static_cast<MainClick>(SpecOf(element).click)) {
    case MainClick::OpenDoubleUp:
    case MainClick::OpenLegend:
    case MainClick::OpenHistory:
    case MainClick::OpenRules:
    case MainClick::OpenStatistics:
    case MainClick::OpenSettings:
    case MainClick::LinesUp:
    case MainClick::LinesDown:
    case MainClick::StakeUp:
    case MainClick::StakeDown:
      return true;
    default:
      return false;
  }
}

bool Feature(const ReelWindow& w) {
  return CountVisible(w, kBonusSymbol) >= 3 || CountVisible(w, kScatterSymbol) >= 3;
}

}  // namespace

GameState RichGameState(DateTime now) {
  GameState s = NewGameState(now);
  s.Balance = 50'000'000;
  s.Level = 3;
  s.MaxLineStake = 30;
  s.LineStake = 10;
  s.StakeStep = 4;
  s.TotalStake = s.LineCount * s.LineStake;
  s.LevelStartExperience = 60000;
  s.NextLevelExperience = 120000;
  s.Experience = s.NextLevelExperience - 2 * s.TotalStake;
  s.TimedBonusAmount = 300;
  s.MegaBonusCeiling = 6000;
  s.BonusStage = 5;
  return s;
}

MonkeyPlayer::MonkeyPlayer(VirtualDesktop& desk, Game& game, std::uint64_t seed)
    : desk_(desk), game_(game), seed_(seed), rng_(seed), ledger_(desk, game.machine()) {}

void MonkeyPlayer::Attach() {
  ledger_.Open();
  for (int w = 0; w < kWindowCount; ++w)
    wasShown_[static_cast<std::size_t>(w)] = desk_.IsShown(static_cast<WindowId>(w));
  desk_.SetPlayer([this] { NextMove(); });
  desk_.SetObserver([this] { Observe(); });
}

void MonkeyPlayer::Play(std::int64_t events) {
  const std::int64_t target = counts_.events + events;
  desk_.RunUntil([&] { return counts_.events >= target; }, 1'000'000'000'000LL);
}

int MonkeyPlayer::Roll(int below) {
  return static_cast<int>(std::uniform_int_distribution<int>(0, below - 1)(rng_));
}

bool MonkeyPlayer::Busy() const {
  return desk_.IsTimerRunning(TimerOf(MainTimer::Spin)) ||
         desk_.IsTimerRunning(TimerOf(MainTimer::FreeSpin));
}

void MonkeyPlayer::NextMove() {
  const WindowId window = desk_.inputWindow();
  const int r = Roll(100);
  int delay = r < 60 ? Roll(300) : r < 90 ? 300 + Roll(2200) : 2500 + Roll(6500);
  Intent intent = Intent::Click;
  if (window == WindowId::Main) {
    const int pick = Roll(1000);
    // An hour's jump now and then brings the timed bonus within a run's reach.
    if (pick < 10) {
      intent = Intent::ClockJump;
    } else if (pick < 350) {
      intent = Intent::Start;
      // Half the starts wait for a moment whose spin opens a bonus or gives free spins.
      if (!Busy() && Roll(2) == 0) {
        if (const int aimed = AimedDelay(); aimed >= 0) {
          delay = aimed;
          ++counts_.aimedStarts;
        }
      }
    }
  } else {
    const auto& targets = Clickable(window);
    const bool anyVisible = std::any_of(targets.begin(), targets.end(),
                                        [this](ElementRef e) { return desk_.Visible(e); });
    if (Roll(1000) < (anyVisible ? 30 : 500)) intent = Intent::Close;
  }
  desk_.Then(delay, [this, intent] { Move(intent); });
}

int MonkeyPlayer::AimedDelay() {
  const std::int64_t base = desk_.MillisSinceMidnightUtc();
  for (int d = 1; d <= kAimHorizonMs; ++d) {
    const auto seed = static_cast<std::uint32_t>((base + d) % kDayMs);
    if (Feature(PredictSpin(game_.machine().Reels, seed))) return d;
  }
  return -1;
}

void MonkeyPlayer::Move(Intent intent) {
  ++counts_.moves;
  const WindowId window = desk_.inputWindow();
  if (!desk_.IsShown(window)) return;
  switch (intent) {
    case Intent::Start:
      if (window == WindowId::Main) return Click(Ref(MainEl::StartButton));
      break;
    case Intent::Close:
      // The main window stays: closing it ends the game.
      if (window != WindowId::Main) {
        ++counts_.windowCloses;
        return desk_.CloseByWindowSystem(window);
      }
      break;
    case Intent::ClockJump:
      if (window == WindowId::Main && !Busy()) {
        ++counts_.clockJumps;
        return desk_.AdvanceClock(kHourMs + Roll(600000));
      }
      break;
    case Intent::Click:
      break;
  }
  ClickAnything(window);
}

void MonkeyPlayer::ClickAnything(WindowId window) {
  std::vector<ElementRef> visible;
  for (ElementRef e : Clickable(window))
    if (desk_.Visible(e)) visible.push_back(e);
  if (visible.empty() || Roll(10) == 0) {
    // Anywhere in the window: labels and shapes let the click through to what lies beneath.
    const WindowSpec& desc = SpecOf(window);
    desk_.ClickAt(window, {Roll(desc.width), Roll(desc.height)});
    return;
  }
  // In the double-up most targets collect; a player who came to gamble mostly guesses, so the
  // ladder's upper rungs are reached too.
  if (window == WindowId::DoubleUp && Roll(3) != 0) {
    const ElementRef guess = Ref(Roll(2) == 0 ? DoubleUpEl::VodkaButton : DoubleUpEl::BeerButton);
    if (desk_.Visible(guess)) return Click(guess);
  }
  Click(visible[static_cast<std::size_t>(Roll(static_cast<int>(visible.size())))]);
}

void MonkeyPlayer::Click(ElementRef element) {
  if (Busy() && InertWhileTurning(element)) return ClickWhileTurning(element);
  desk_.Click(element);
}

void MonkeyPlayer::ClickWhileTurning(ElementRef element) {
  const Machine& m = game_.machine();
  const SaveBytes state = Encode(m.State);
  const Machine before = m;
  const SpinCycle cycle = game_.main().cycle();
  const int depth = desk_.modalDepth();
  desk_.Click(element);
  Require(
      Encode(m.State) == state && game_.main().cycle().freeSpins() == cycle.freeSpins() &&
          game_.main().cycle().winningLines() == cycle.winningLines() && m.Reels == before.Reels &&
          desk_.modalDepth() == depth,
      "a click on " + std::string(SpecOf(element).name) + " changed the game while the reels turn");
  ++counts_.inertChecks;
}

void MonkeyPlayer::Observe() {
  ++counts_.events;
  try {
    ledger_.Observe();
    CheckInvariants();
  } catch (const InvariantBroken& e) {
    std::ostringstream where;
    where << "seed " << seed_ << ", event " << counts_.events << ", virtual time " << desk_.now()
          << " ms: " << e.what();
    throw InvariantBroken(where.str());
  }
}

void MonkeyPlayer::CheckInvariants() {
  const Machine& m = game_.machine();
  for (int reel = 1; reel <= kReels; ++reel) {
    for (int row = 0; row < kRows; ++row) {
      const SymbolId s = m.Reels.at(row, reel);
      Require(AllowedOnReel(s, reel),
              "symbol " + std::to_string(s) + " on reel " + std::to_string(reel));
      for (int below = row + 1; below < kRows; ++below)
        Require(m.Reels.at(below, reel) != s,
                "reel " + std::to_string(reel) + " holds symbol " + std::to_string(s) + " twice");
    }
  }

  const bool spinning = desk_.IsTimerRunning(TimerOf(MainTimer::Spin));
  const bool timer5 = desk_.IsTimerRunning(TimerOf(MainTimer::AutoPlay));
  Require(!spinning || desk_.modalDepth() == 0,
          "a window opened while the reels turn: " +
              std::string(SpecOf(desk_.inputWindow()).className));
  if (spinning && !spinningBefore_ && timer5WasOn_ && !timer5) ++counts_.autoPlaySpins;
  spinningBefore_ = spinning;
  timer5WasOn_ = timer5;

  for (int w = 0; w < kWindowCount; ++w) {
    const auto i = static_cast<std::size_t>(w);
    const bool shown = desk_.IsShown(static_cast<WindowId>(w));
    if (shown && !wasShown_[i]) ++counts_.opened[i];
    wasShown_[i] = shown;
  }

  const WindowId top = desk_.modalDepth() > 0 ? desk_.inputWindow() : WindowId::Main;
  if (top != modalTop_) {
    modalTop_ = top;
    modalSince_ = desk_.now();
  }
  if (top != WindowId::Main) {
    const std::int64_t open = desk_.now() - modalSince_;
    counts_.longestModalMs = std::max(counts_.longestModalMs, open);
    Require(open <= kLongestModalMs, std::string(SpecOf(top).className) + " is still open after " +
                                         std::to_string(open) + " ms");
  }
}

std::string MonkeyPlayer::Summary() const {
  const LedgerCounts& l = ledger_.counts();
  const auto opened = [this](WindowId w) { return counts_.opened[static_cast<std::size_t>(w)]; };
  std::ostringstream out;
  out << counts_.events << " events, " << counts_.moves << " moves, virtual " << desk_.now() / 1000
      << " s; spins " << l.paidSpins << " paid (" << counts_.autoPlaySpins << " by auto-play, "
      << counts_.aimedStarts << " aimed starts), " << l.freeSpins << " free, " << l.winningSpins
      << " winning; bonus games: drinks " << opened(WindowId::Bottles) << ", meze "
      << opened(WindowId::Meze) << ", golden " << opened(WindowId::GoldenPick) << "; level-ups "
      << l.levelUps << "; timed bonuses " << l.timedBonuses << ", mega " << l.megaBonuses
      << "; double-ups " << l.doubleUps << " (" << l.doublesWon << " won); " << counts_.windowCloses
      << " window-system closes, " << counts_.clockJumps << " clock jumps, " << counts_.inertChecks
      << " clicks on inert controls; longest modal " << counts_.longestModalMs / 1000
      << " s; staked " << l.staked << ", credited " << l.credited;
  return out.str();
}

}  // namespace tarvolenka::testing
