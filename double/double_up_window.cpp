#include "double/double_up_window.h"

#include <string>

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
  if (m_.State.JokerUses == 0) ShowJoker(true);
  ShowButtonsLive(true);
  const std::int64_t win = m_.State.LastWin;
  for (const Rung& rung : kDoubleLadder) {
    d_.SetPanelColour(Ref(rung.panel), kRungOpen);
    d_.SetText(Ref(rung.panel), std::to_string(SatMul(win, rung.multiplier)));
  }
  d_.SetText(Ref(DoubleUpEl::DrawnCard), "?");
  d_.SetVisible(Ref(DoubleUpEl::DrawnDrink), false);
  d_.SetText(Ref(DoubleUpEl::Verdict), "ВОДКА ИЛИ БИРА?");
  m_.Record.doubleSteps.clear();
  ReseedFromClock(d_, m_.Rng);
  rules_.Start(win);
  ShowAmount();
  blinkInterval_ = durations::kDoubleBlink;
  d_.SetTimerInterval(TimerOf(DoubleUpTimer::Blink), blinkInterval_);
}

void DoubleUpWindow::OnClose() {
  d_.StopTimer(TimerOf(DoubleUpTimer::Blink));
}

void DoubleUpWindow::ShowAmount() {
  d_.SetText(Ref(DoubleUpEl::Amount), std::to_string(rules_.inHand()));
}

void DoubleUpWindow::PushHistory(Drink drink) {
  for (int i = 10; i >= 2; --i) d_.CopyPicture(Ref(HistorySlot(i)), Ref(HistorySlot(i - 1)));
  d_.CopyPicture(Ref(DoubleUpEl::History1),
                 Ref(drink == kVodka ? DoubleUpEl::VodkaPlate : DoubleUpEl::BeerPlate));
}

void DoubleUpWindow::Guess(Drink drink) {
  if (!rules_.open()) return;
  d_.SetVisible(Ref(DoubleUpEl::VodkaMarker), drink == kVodka);
  d_.SetVisible(Ref(DoubleUpEl::BeerMarker), drink == kBeer);
  d_.Repaint(WindowId::DoubleUp);
  guess_ = drink;
  const DoubleUpStep step = rules_.Guess(drink, m_.Rng);
  PushHistory(step.shown);
  m_.Record.doubleSteps.push_back({guess_, step.shown, false});
  // A guess that ends the game has its closing pause first, then the guess's own.
  Show(step, [this] { d_.Pause(durations::kAfterGuess, {}); });
}

void DoubleUpWindow::ShowJoker(bool armed) {
  d_.SetVisible(Ref(DoubleUpEl::JokerButton), armed);
  d_.SetVisible(Ref(DoubleUpEl::JokerSpent), !armed);
}

// During the game's last pause the guessing buttons rest, faded, so none reads as still open.
void DoubleUpWindow::ShowButtonsLive(bool live) {
  for (const auto& [button, spent] :
       {std::pair{DoubleUpEl::VodkaButton, DoubleUpEl::VodkaSpent},
        std::pair{DoubleUpEl::BeerButton, DoubleUpEl::BeerSpent},
        std::pair{DoubleUpEl::CollectButton, DoubleUpEl::CollectSpent}}) {
    d_.SetVisible(Ref(button), live);
    d_.SetVisible(Ref(spent), !live);
  }
  if (!live) ShowJoker(false);
}

void DoubleUpWindow::UseJoker() {
  if (!rules_.open()) return;
  m_.State.JokerUses += 1;
  ShowJoker(false);
  // The strip shows the player's last guess as if it had been drawn.
  const DoubleUpStep step = rules_.UseJoker(guess_);
  PushHistory(step.shown);
  m_.Record.doubleSteps.push_back({guess_, step.shown, true});
  Show(step, {});
}

void DoubleUpWindow::Show(const DoubleUpStep& step, const std::function<void()>& then) {
  // The drink drawn, large, and what it means for the guess.
  d_.SetText(Ref(DoubleUpEl::DrawnCard), "");
  d_.CopyPicture(Ref(DoubleUpEl::DrawnDrink),
                 Ref(step.shown == kVodka ? DoubleUpEl::StoreVodka : DoubleUpEl::StoreBeer));
  d_.SetVisible(Ref(DoubleUpEl::DrawnDrink), true);
  d_.SetText(Ref(DoubleUpEl::Verdict), !step.won   ? "НЕ ПОЗНАХТЕ"
                                       : step.over ? "ВЪРХЪТ! ×300"
                                                   : "ПОЗНАХТЕ! ×2");
  if (step.won)
    ShowClimb(step, then);
  else
    ShowLoss(step, then);
}

void DoubleUpWindow::ShowClimb(const DoubleUpStep& step, const std::function<void()>& then) {
  PlayCue(d_, m_.State, Cue::Hit);
  AmountChanged();
  const Rung& rung = kDoubleLadder[static_cast<std::size_t>(step.rung - 1)];
  d_.SetPanelColour(Ref(rung.panel), kRungWon);
  if (!step.over) {
    blinkInterval_ -= durations::kDoubleBlinkFaster;
    d_.SetTimerInterval(TimerOf(DoubleUpTimer::Blink), blinkInterval_);
    if (step.rung == DoubleUpRules::kTopRung - 1) d_.StartTimer(TimerOf(DoubleUpTimer::Shake));
    ShowAmount();
    if (then) then();
    return;
  }
  d_.StopTimer(TimerOf(DoubleUpTimer::Blink));
  d_.StopTimer(TimerOf(DoubleUpTimer::Shake));
  ShowAmount();
  ShowButtonsLive(false);
  d_.Repaint(WindowId::DoubleUp);
  PlayCue(d_, m_.State, Cue::DoubleWin);
  d_.Pause(durations::kDoubleUpEnd, [this, then] {
    d_.Close(WindowId::DoubleUp);
    ShowAmount();
    if (then) then();
  });
}

void DoubleUpWindow::ShowLoss(const DoubleUpStep& step, const std::function<void()>& then) {
  PlayCue(d_, m_.State, Cue::Miss);
  AmountChanged();
  d_.SetText(Ref(DoubleUpEl::Amount), "0");
  d_.StopTimer(TimerOf(DoubleUpTimer::Blink));
  d_.StopTimer(TimerOf(DoubleUpTimer::Shake));
  d_.SetPanelColour(Ref(kDoubleLadder[static_cast<std::size_t>(step.rung - 1)].panel), kRungLost);
  ShowButtonsLive(false);
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
  int dx = 0;
  int dy = 0;
  DoubleUpRules::ShakeStep(m_.Rng, dx, dy);
  d_.MoveWindowBy(WindowId::DoubleUp, dx, dy);
}

}  // namespace tarvolenka
