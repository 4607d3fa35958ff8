#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "catalogue/double_up_elements.h"
#include "core/desktop.h"
#include "core/machine.h"
#include "double/double_up_rules.h"

namespace tarvolenka {

// The double-up window: shows the gamble its rules play, and turns clicks into guesses. The
// amount in hand is told to the amount hook whenever it changes.
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

  // Called whenever the amount in hand changes: the main window keeps it for the resume file
  // and pays it when the window closes.
  void SetAmountHook(std::function<void()> hook) { amountChanged_ = std::move(hook); }

  const DoubleUpRules& rules() const { return rules_; }
  std::uint8_t DoubleGuess() const { return guess_; }

 private:
  void Guess(Drink drink);
  void PushHistory(Drink drink);
  // Each shows a step of the rules and runs `then` once it, with any closing pause, is done.
  void Show(const DoubleUpStep& step, const std::function<void()>& then);
  void ShowClimb(const DoubleUpStep& step, const std::function<void()>& then);
  void ShowLoss(const DoubleUpStep& step, const std::function<void()>& then);
  void ShowAmount();
  // The joker button, or its faded stand-in once it is used.
  void ShowJoker(bool armed);
  void ShowButtonsLive(bool live);
  void AmountChanged() const {
    if (amountChanged_) amountChanged_();
  }

  Desktop& d_;
  Machine& m_;
  DoubleUpRules rules_;
  Drink guess_ = kBeer;
  std::uint8_t blinkCounter_ = 0;
  int blinkInterval_ = 0;
  std::function<void()> amountChanged_;
};

}  // namespace tarvolenka
