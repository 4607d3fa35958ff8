#include "double/double_up_window.h"

#include <string>

#include "catalogue/main_elements.h"
#include "core/arith.h"
#include "core/reseed.h"
#include "core/sound.h"

namespace tarvolenka {

TForm6::TForm6(Desktop& desktop, Machine& machine) : d_(desktop), m_(machine) {}

void TForm6::Click(std::uint16_t handler, int /*number*/) {
  // clang-format off
  switch (static_cast<DoubleClick>(handler)) {
    case DoubleClick::None: return;
    case DoubleClick::Image1Click: return Image1Click();
    case DoubleClick::Image2Click: return Image2Click();
    case DoubleClick::Image3Click: return Image3Click();
    case DoubleClick::Image4Click: return Image4Click();
  }
  // clang-format on
}

void TForm6::TimerTick(std::uint8_t timer) {
  // clang-format off
  switch (static_cast<DoubleTimer>(timer)) {
    case DoubleTimer::Timer1: return Timer1Timer();
    case DoubleTimer::Timer2: return Timer2Timer();
    case DoubleTimer::Count: return;
  }
  // clang-format on
}

void TForm6::FormShow() {
  d_.StartTimer(TimerOf(DoubleTimer::Timer1));
  d_.StopTimer(TimerOf(DoubleTimer::Timer2));
  // Only a joker use hides the joker; it shows again once the joker is re-armed.
  if (m_.State.JokerUses == 0) d_.SetVisible(Ref(DoubleEl::Image4), true);
  const std::int64_t win = m_.State.LastWin;
  for (const Rung& rung : kDoubleLadder) {
    d_.SetPanelColour(Ref(rung.panel), colours::kYellow);
    d_.SetText(Ref(rung.panel), std::to_string(SatMul(win, rung.multiplier)));
  }
  m_.DoubleAmount = win;
  ReseedFromClock(d_, m_.Rng);
  step_ = 0;
  ShowAmount();
  // The same win cannot be gambled twice.
  m_.DoubleEnabled = 0;
  d_.CopyPicture(Ref(MainEl::ImageDouble), Ref(MainEl::Image19));
  inputOpen_ = true;
  blinkInterval_ = durations::kDoubleBlink;
  d_.SetTimerInterval(TimerOf(DoubleTimer::Timer1), blinkInterval_);
}

void TForm6::FormClose() {
  d_.StopTimer(TimerOf(DoubleTimer::Timer1));
}

void TForm6::ShowAmount() {
  d_.SetText(Ref(DoubleEl::Label1), std::to_string(m_.DoubleAmount));
}

void TForm6::PushHistory(Drink drink) {
  for (int i = 10; i >= 2; --i) d_.CopyPicture(Ref(HistorySlot(i)), Ref(HistorySlot(i - 1)));
  d_.CopyPicture(Ref(DoubleEl::List1),
                 Ref(drink == kVodka ? DoubleEl::ImageVodka : DoubleEl::ImageBira));
}

Drink TForm6::DrawDrink() {
  const Drink drink = (m_.Rng.Below(256) & 1u) != 0 ? kVodka : kBeer;
  PushHistory(drink);
  return drink;
}

void TForm6::ResolveGuess() {
  if (DrawDrink() == guess_)
    DoubleWinStep();
  else
    DoubleLose();
}

void TForm6::Guess(Drink drink) {
  if (!inputOpen_) return;
  d_.SetVisible(Ref(DoubleEl::Shape1), drink == kVodka);
  d_.SetVisible(Ref(DoubleEl::Shape2), drink == kBeer);
  d_.Repaint(WindowId::Double);
  guess_ = drink;
  ResolveGuess();
  d_.Pause(durations::kAfterGuess);
}

void TForm6::Image4Click() {
  if (!inputOpen_) return;
  m_.State.JokerUses += 1;
  d_.SetVisible(Ref(DoubleEl::Image4), false);
  // The strip shows the player's last guess as if it had been drawn.
  PushHistory(guess_);
  DoubleWinStep();
}

void TForm6::DoubleWinStep() {
  PlayCue(d_, m_.State, Cue::Pozna);
  step_ += 1;
  const std::size_t k = step_;
  if (k >= 1 && k <= 6) {
    const Rung& rung = kDoubleLadder[k - 1];
    m_.DoubleAmount = SatMul(m_.State.LastWin, rung.multiplier);
    d_.SetPanelColour(Ref(rung.panel), colours::kLime);
    blinkInterval_ -= durations::kDoubleBlinkFaster;
    d_.SetTimerInterval(TimerOf(DoubleTimer::Timer1), blinkInterval_);
    if (k == 6) d_.StartTimer(TimerOf(DoubleTimer::Timer2));
  } else if (k == 7) {
    inputOpen_ = false;
    m_.DoubleAmount = SatMul(m_.State.LastWin, kDoubleLadder[6].multiplier);
    d_.SetPanelColour(Ref(DoubleEl::Panel7), colours::kLime);
    d_.StopTimer(TimerOf(DoubleTimer::Timer1));
    d_.StopTimer(TimerOf(DoubleTimer::Timer2));
    ShowAmount();
    d_.Repaint(WindowId::Double);
    PlayCue(d_, m_.State, Cue::DoubleWin);
    d_.Pause(durations::kDoubleUpEnd);
    d_.Close(WindowId::Double);
  }
  ShowAmount();
}

void TForm6::DoubleLose() {
  inputOpen_ = false;
  PlayCue(d_, m_.State, Cue::Nepozna);
  m_.DoubleAmount = 0;
  d_.SetText(Ref(DoubleEl::Label1), "0");
  d_.StopTimer(TimerOf(DoubleTimer::Timer1));
  d_.StopTimer(TimerOf(DoubleTimer::Timer2));
  step_ += 1;
  if (step_ >= 1 && step_ <= 7)
    d_.SetPanelColour(Ref(kDoubleLadder[step_ - 1u].panel), colours::kMaroon);
  d_.Repaint(WindowId::Double);
  d_.Pause(durations::kDoubleUpEnd);
  d_.Close(WindowId::Double);
}

void TForm6::Image3Click() {
  d_.Close(WindowId::Double);
}

void TForm6::Timer1Timer() {
  blinkCounter_ = static_cast<std::uint8_t>(blinkCounter_ + 1);
  const bool even = blinkCounter_ % 2 == 0;
  d_.SetVisible(Ref(DoubleEl::Shape1), even);
  d_.SetVisible(Ref(DoubleEl::Shape2), !even);
  if (d_.IsShown(WindowId::Double)) PlayCue(d_, m_.State, Cue::Move);
}

void TForm6::Timer2Timer() {
  const int dx = static_cast<int>(m_.Rng.Below(31)) - 15;
  const int dy = static_cast<int>(m_.Rng.Below(31)) - 15;
  d_.MoveWindowBy(WindowId::Double, dx, dy);
}

}  // namespace tarvolenka
