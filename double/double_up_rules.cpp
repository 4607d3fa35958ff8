#include "double/double_up_rules.h"

#include "catalogue/double_up_elements.h"
#include "core/arith.h"

namespace tarvolenka {

std::int64_t AmountOnRung(std::int64_t win, int rung) {
  return SatMul(win, kDoubleLadder[static_cast<std::size_t>(rung - 1)].multiplier);
}

void DoubleUpRules::Start(std::int64_t win) {
  win_ = win;
  inHand_ = win;
  rung_ = 0;
  open_ = true;
}

DoubleUpStep DoubleUpRules::Guess(Drink guess, Random& rng) {
  if (!open_) return {guess, false, rung_, inHand_, true};  // over: nothing is drawn
  const Drink drawn = (rng.Below(256) & 1u) != 0 ? kVodka : kBeer;
  return drawn == guess ? Climb(drawn) : Lose(drawn);
}

DoubleUpStep DoubleUpRules::UseJoker(Drink guess) {
  if (!open_) return {guess, false, rung_, inHand_, true};
  return Climb(guess);
}

void DoubleUpRules::ShakeStep(Random& rng, int& dx, int& dy) {
  dx = static_cast<int>(rng.Below(31)) - 15;
  dy = static_cast<int>(rng.Below(31)) - 15;
}

DoubleUpStep DoubleUpRules::Climb(Drink shown) {
  rung_ += 1;
  if (rung_ <= kTopRung) inHand_ = AmountOnRung(win_, rung_);
  if (rung_ >= kTopRung) open_ = false;
  return {shown, true, rung_, inHand_, !open_};
}

DoubleUpStep DoubleUpRules::Lose(Drink shown) {
  rung_ += 1;
  inHand_ = 0;
  open_ = false;
  return {shown, false, rung_, 0, true};
}

}  // namespace tarvolenka
