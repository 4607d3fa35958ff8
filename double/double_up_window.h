#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "catalogue/double_up_elements.h"
#include "core/desktop.h"
#include "core/machine.h"

namespace tarvolenka {

// A drawn or guessed drink.
enum Drink : std::uint8_t { kBeer = 0, kVodka = 1 };

// The double-up window: the last win gambled on vodka or beer, rung by rung. The amount in
// hand is left in DoubleAmount for the main window when the window closes.
class DoubleUpWindow : public WindowLogic {
 public:
  DoubleUpWindow(Desktop& desktop, Machine& machine);

  void OnShow() override;
  void OnClose() override;
  // Closing by the window system is the same as collecting.
  bool CloseRequested() override { return true; }
  void Click(std::uint16_t handler, int number) override;
  void TimerTick(std::uint8_t timer) override;

  void GuessVodka() { Guess(kVodka); }
  void GuessBeer() { Guess(kBeer); }
  void Collect();
  void UseJoker();
  void OnBlinkTick();
  void OnShakeTick();

  // Called whenever the amount in hand changes, for the resume file.
  void SetAmountHook(std::function<void()> hook) { amountChanged_ = std::move(hook); }

  std::uint8_t DoubleStep() const { return step_; }
  bool DoubleInputOpen() const { return inputOpen_; }
  std::uint8_t DoubleGuess() const { return guess_; }

 private:
  void Guess(Drink drink);
  void PushHistory(Drink drink);
  Drink DrawDrink();
  // Each runs `then` once its step, with any closing pause, is done.
  void ResolveGuess(const std::function<void()>& then);
  void DoubleWinStep(const std::function<void()>& then);
  void DoubleLose(const std::function<void()>& then);
  void ShowAmount();
  void AmountChanged() const {
    if (amountChanged_) amountChanged_();
  }

  Desktop& d_;
  Machine& m_;
  std::uint8_t step_ = 0;
  Drink guess_ = kBeer;
  bool inputOpen_ = false;
  std::uint8_t blinkCounter_ = 0;
  int blinkInterval_ = 0;
  std::function<void()> amountChanged_;
};

}  // namespace tarvolenka
