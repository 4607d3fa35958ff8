#include "bonus/cups_window.h"

#include <string>

#include "bonus/draw_cell.h"
#include "catalogue/bottles_elements.h"
#include "catalogue/durations.h"
#include "core/sound.h"

namespace tarvolenka {
namespace {

constexpr int kLabelPoints = 10;
constexpr int kOpenedLabelPoints = 20;

constexpr std::size_t Index(int cup) {
  return static_cast<std::size_t>(cup - 1);
}

}  // namespace

CupsWindow::CupsWindow(Desktop& desktop, Machine& machine) : d_(desktop), m_(machine) {}

void CupsWindow::OnShow() {
  const int drink = m_.BottleChoice;
  const bool known = drink >= 1 && drink <= kBottles;
  if (known)
    for (int i = 1; i <= kCups; ++i) d_.CopyPicture(Ref(Cup(i)), Ref(CupOfDrink(drink)));
  for (int i = 1; i <= kCups; ++i) {
    const ElementRef label = Ref(CupLabel(i));
    d_.SetVisible(label, false);
    d_.SetText(label, "");
    d_.SetFontSize(label, kLabelPoints);
  }
  d_.SetText(Ref(CupsEl::Multiplier), "X" + std::to_string(m_.BonusMultiplier));
  if (known) d_.CopyPicture(Ref(CupsEl::PickedBottle), Ref(Bottle(drink)));
  open_ = true;
  if (const auto restored = TakeRestore()) return Restore(*restored);
  m_.BonusAmount = 0;
  hits_.fill(0);
  opened_.fill(false);
  DealCupPrizes();
  Progress();
}

BonusWindowState CupsWindow::Snapshot() const {
  BonusWindowState s;
  s.dealt = open_ ? kDealt : kFinished;
  for (std::size_t i = 0; i < prizes_.size(); ++i) {
    s.values[i] = prizes_[i];
    s.marks[i] = opened_[i] ? 1 : 0;
  }
  for (std::size_t level = 0; level < hits_.size(); ++level) s.counts[level] = hits_[level];
  return s;
}

void CupsWindow::Restore(const BonusWindowState& state) {
  for (std::size_t i = 0; i < prizes_.size(); ++i) {
    prizes_[i] = state.values[i];
    opened_[i] = state.marks[i] != 0;
  }
  for (std::size_t level = 0; level < hits_.size(); ++level) hits_[level] = state.counts[level];
  for (int cup = 1; cup <= kCups; ++cup)
    if (opened_[Index(cup)]) ShowOpened(cup);
}

void CupsWindow::DealCupPrizes() {
  const std::int64_t n = m_.BonusSymbolCount;
  prizes_.fill(0);
  for (std::int64_t level : kCupLevels)
    for (int copy = 0; copy < kCupsPerLevel; ++copy)
      prizes_[DrawCellWhere(m_.Rng, prizes_, [](std::int64_t v) { return v == 0; })] = level * n;
}

void CupsWindow::Click(std::uint16_t handler, int number) {
  switch (static_cast<CupsClick>(handler)) {
    case CupsClick::None:
      return;
    case CupsClick::PickCup:
      return PickCup(number);
  }
}

void CupsWindow::PickCup(int cup) {
  if (!open_ || cup < 1 || cup > kCups) return;
  PlayCue(d_, m_.State, Cue::Hit);
  const std::int64_t prize = prizes_[Index(cup)];
  m_.Record.bonusPicks.push_back({"cup", 0, cup, prize});
  ShowOpened(cup);
  opened_[Index(cup)] = true;
  const std::int64_t n = m_.BonusSymbolCount;
  bool complete = false;
  for (std::size_t level = 0; level < kCupLevels.size(); ++level) {
    if (prize == kCupLevels[level] * n) hits_[level] += 1;
    if (!complete && hits_[level] >= kCupsPerLevel) {
      complete = true;
      m_.BonusAmount = kCupLevels[level] * n;
    }
  }
  if (complete) open_ = false;
  Progress();
  if (complete) Reveal();
}

void CupsWindow::ShowOpened(int cup) {
  const ElementRef label = Ref(CupLabel(cup));
  d_.SetFontSize(label, kOpenedLabelPoints);
  d_.SetText(label, std::to_string(prizes_[Index(cup)]));
  d_.SetVisible(label, true);
}

// The cups not opened show their prizes one by one in the small font.
void CupsWindow::Reveal() {
  open_ = false;
  d_.Repaint(WindowId::Cups);
  d_.Pause(durations::kCupsRevealStep, [this] { RevealFrom(1); });
}

void CupsWindow::RevealFrom(int cup) {
  for (int j = cup; j <= kCups; ++j) {
    if (opened_[Index(j)]) continue;  // an opened cup keeps its large number
    const ElementRef label = Ref(CupLabel(j));
    d_.SetText(label, std::to_string(prizes_[Index(j)]));
    d_.SetVisible(label, true);
    d_.Repaint(WindowId::Cups);
    if (j < kCups) {
      d_.Pause(durations::kCupsRevealStep, [this, j] { RevealFrom(j + 1); });
      return;
    }
  }
  d_.Pause(durations::kCupsEnd, [this] { d_.Close(WindowId::Cups); });
}

}  // namespace tarvolenka
