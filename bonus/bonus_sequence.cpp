#include "bonus/bonus_sequence.h"

#include "bonus/bonus_win.h"
#include "catalogue/durations.h"
#include "core/arith.h"
#include "core/reels.h"

namespace tarvolenka {
namespace {

constexpr int kSymbolsToOpen = 3;

enum BonusGame : std::uint8_t { kNoPick = 0, kDrinks = 1, kMeze = 2, kGolden = 3 };

}  // namespace

BonusSequence::BonusSequence(Desktop& desktop, Machine& machine, MainWindow& main)
    : d_(desktop), m_(machine), main_(main) {}

void BonusSequence::RunBonus() {
  m_.BonusSymbolCount = CountVisible(m_.Reels, kBonusSymbol);
  if (m_.BonusSymbolCount < kSymbolsToOpen) return;
  d_.Pause(durations::kBeforeBonusChooser);
  main_.SaveGame();  // the spin's line win is safe before the bonus starts
  m_.Record.bonusPicks.clear();
  m_.BonusChoice = kNoPick;
  d_.ShowModal(WindowId::HatChooser);
  switch (m_.BonusChoice) {
    case kDrinks:
      PlayDrinksBonus();
      break;
    case kMeze:
      PlayMezeBonus();
      break;
    case kGolden:
      PlayGoldenBonus();
      break;
    default:
      break;  // no pick: nothing is played or paid
  }
  main_.RefreshDisplay();
  main_.SaveGame();
}

void BonusSequence::PlayDrinksBonus() {
  m_.BonusMultiplier = 0;
  m_.BottleChoice = 0;
  m_.BonusAmount = 0;
  d_.ShowModal(WindowId::Bottles);
  d_.ShowModal(WindowId::Cups);
  d_.ShowModal(WindowId::BonusResult);
  Pay();
}

void BonusSequence::PlayMezeBonus() {
  m_.BonusAmount = 0;
  m_.BonusMultiplier = 1;
  d_.ShowModal(WindowId::Meze);
  d_.ShowModal(WindowId::BonusResult);
  Pay();
}

void BonusSequence::PlayGoldenBonus() {
  m_.BonusAmount = 0;
  m_.BonusMultiplier = 1;
  m_.GoldenPick = 0;
  d_.ShowModal(WindowId::GoldenPick);
  // The board ends on the number of fouls picked; without a pick it could never end.
  if (m_.GoldenPick >= 2 && m_.GoldenPick <= 4) d_.ShowModal(WindowId::GoldenBoard);
  d_.ShowModal(WindowId::BonusResult);
  Pay();
}

// The win is added on top of the spin's line win; BonusAmount keeps the amount credited.
void BonusSequence::Pay() {
  m_.BonusAmount = BonusWin(m_);
  m_.State.Balance = SatAdd(m_.State.Balance, m_.BonusAmount);
  m_.State.LastWin = SatAdd(m_.State.LastWin, m_.BonusAmount);
}

}  // namespace tarvolenka
