#include "double/double_up_window.h"

#include <string>

#include "catalogue/main_elements.h"
#include "core/arith.h"
#include "core/reseed.h"
#include "core/sound.h"

namespace tarvolenka {

DoubleUpWindow::DoubleUpWindow(Desktop& desktop, Machine& machine) : d_(desktop), m_(machine) {}

void DoubleUpWindow::Click(std::uint16_t handler, int /*number*/) {
  // clang-format off
  switch (static_cast<DoubleUpClick>(handler)) {
    case DoubleUpClick::None: return;
    case DoubleUpClick::GuessVodka: return GuessVodka();
    case DoubleUpClick::GuessBeer: return GuessBeer();
    case DoubleUpClick::Collect: return Collect();
    case DoubleUpClick::UseJoker: return UseJoker();
  }
  // clang-format on
}

void DoubleUpWindow::TimerTick(std::uint8_t timer) {
  // clang-format off
  switch (static_cast<DoubleUpTimer>(timer)) {
    case DoubleUpTimer::Blink: return OnBlinkTick();
    case DoubleUpTimer::Shake: return OnShakeTick();
    case DoubleUpTimer::Count: return;
  }
  // clang-format on
}

void DoubleUpWindow::OnShow() {
  d_.StartTimer(TimerOf(DoubleUpTimer::Blink));
  d_.StopTimer(TimerOf(DoubleUpTimer::Shake));
  // Only a joker use hides the joker; it shows again once the joker is re-armed.
  if (m_.State.JokerUses == 0) d_.SetVisible(Ref(DoubleUpEl::JokerButton), true);
  const std::int64_t win = m_.State.LastWin;
  for (const Rung& rung : kDoubleLadder) {
    d_.SetPanelColour(Ref(rung.panel), kRungOpen);
    d_.SetText(Ref(rung.panel), std::to_string(SatMul(win, rung.multiplier)));
  }
  m_.DoubleAmount = win;
  m_.Record.doubleSteps.clear();
  ReseedFromClock(d_, m_.Rng);
  step_ = 0;
  ShowAmount();
  // The same win cannot be gambled twice.
  m_.DoubleEnabled = 0;
  d_.CopyPicture(Ref(MainEl::DoubleButton), Ref(MainEl::StoreDoubleGrey));
  inputOpen_ = true;
  blinkInterval_ = durations::kDoubleBlink;
  d_.SetTimerInterval(TimerOf(DoubleUpTimer::Blink), blinkInterval_);
}

void DoubleUpWindow::OnClose() {
  d_.StopTimer(TimerOf(DoubleUpTimer::Blink));
}

void DoubleUpWindow::ShowAmount() {
  d_.SetText(Ref(DoubleUpEl::Amount), std::to_string(m_.DoubleAmount));
}

void DoubleUpWindow::PushHistory(Drink drink) {
  for (int i = 10; i >= 2; --i) d_.CopyPicture(Ref(HistorySlot(i)), Ref(HistorySlot(i - 1)));
  d_.CopyPicture(Ref(DoubleUpEl::History1),
                 Ref(drink == kVodka ? DoubleUpEl::VodkaPlate : DoubleUpEl::BeerPlate));
}

Drink DoubleUpWindow::DrawDrink() {
  const Drink drink = (m_.Rng.Below(256) & 1u) != 0 ? kVodka : kBeer;
  PushHistory(drink);
  return drink;
}

void DoubleUpWindow::ResolveGuess(const std::function<void()>& then) {
  const Drink drawn = DrawDrink();
  m_.Record.doubleSteps.push_back({guess_, drawn, false});
  if (drawn == guess_)
    DoubleWinStep(then);
  else
    DoubleLose(then);
}

void DoubleUpWindow::Guess(Drink drink) {
  if (!inputOpen_) return;
  d_.SetVisible(Ref(DoubleUpEl::VodkaMarker), drink == kVodka);
  d_.SetVisible(Ref(DoubleUpEl::BeerMarker), drink == kBeer);
  d_.Repaint(WindowId::DoubleUp);
  guess_ = drink;
  // A guess that ends the game has its closing pause first, then the guess's own.
  ResolveGuess([this] { d_.Pause(durations::kAfterGuess, {}); });
}

void DoubleUpWindow::UseJoker() {
  if (!inputOpen_) return;
  m_.State.JokerUses += 1;
  d_.SetVisible(Ref(DoubleUpEl::JokerButton), false);
  // The strip shows the player's last guess as if it had been drawn.
  PushHistory(guess_);
  m_.Record.doubleSteps.push_back({guess_, guess_, true});
  DoubleWinStep({});
}

void DoubleUpWindow::DoubleWinStep(const std::function<void()>& then) {
  PlayCue(d_, m_.State, Cue::Hit);
  step_ += 1;
  const std::size_t k = step_;
  if (k >= 1 && k <= 6) {
    const Rung& rung = kDoubleLadder[k - 1];
    m_.DoubleAmount = SatMul(m_.State.LastWin, rung.multiplier);
    AmountChanged();
    d_.SetPanelColour(Ref(rung.panel), kRungWon);
    blinkInterval_ -= durations::kDoubleBlinkFaster;
    d_.SetTimerInterval(TimerOf(DoubleUpTimer::Blink), blinkInterval_);
    if (k == 6) d_.StartTimer(TimerOf(DoubleUpTimer::Shake));
  } else if (k == 7) {
    inputOpen_ = false;
    m_.DoubleAmount = SatMul(m_.State.LastWin, kDoubleLadder[6].multiplier);
    AmountChanged();
    d_.SetPanelColour(Ref(DoubleUpEl::Rung7), kRungWon);
    d_.StopTimer(TimerOf(DoubleUpTimer::Blink));
    d_.StopTimer(TimerOf(DoubleUpTimer::Shake));
    ShowAmount();
    d_.Repaint(WindowId::DoubleUp);
    PlayCue(d_, m_.State, Cue::DoubleWin);
    d_.Pause(durations::kDoubleUpEnd, [this, then] {
      d_.Close(WindowId::DoubleUp);
      ShowAmount();
      if (then) then();
    });
    return;
  }
  ShowAmount();
  if (then) then();
}

void DoubleUpWindow::DoubleLose(const std::function<void()>& then) {
  inputOpen_ = false;
  PlayCue(d_, m_.State, Cue::Miss);
  m_.DoubleAmount = 0;
  AmountChanged();
  d_.SetText(Ref(DoubleUpEl::Amount), "0");
  d_.StopTimer(TimerOf(DoubleUpTimer::Blink));
  d_.StopTimer(TimerOf(DoubleUpTimer::Shake));
  step_ += 1;
  if (step_ >= 1 && step_ <= 7) d_.SetPanelColour(Ref(kDoubleLadder[step_ - 1u].panel), kRungLost);
  d_.Repaint(WindowId::DoubleUp);
  d_.Pause(durations::kDoubleUpEnd, [this, then] {
    d_.Close(WindowId::DoubleUp);
    if (then) then();
  });
}

void DoubleUpWindow::Collect() {
  d_.Close(WindowId::DoubleUp);
}

void DoubleUpWindow::OnBlinkTick() {
  blinkCounter_ = static_cast<std::uint8_t>(blinkCounter_ + 1);
  const bool even = blinkCounter_ % 2 == 0;
  d_.SetVisible(Ref(DoubleUpEl::VodkaMarker), even);
  d_.SetVisible(Ref(DoubleUpEl::BeerMarker), !even);
  if (d_.IsShown(WindowId::DoubleUp)) PlayCue(d_, m_.State, Cue::Move);
}

void DoubleUpWindow::OnShakeTick() {
  const int dx = static_cast<int>(m_.Rng.Below(31)) - 15;
  const int dy = static_cast<int>(m_.Rng.Below(31)) - 15;
  d_.MoveWindowBy(WindowId::DoubleUp, dx, dy);
}

}  // namespace tarvolenka
