#include "bonus/hat_chooser_window.h"

#include "bonus/draw_cell.h"
#include "catalogue/durations.h"
#include "core/sound.h"

namespace tarvolenka {
namespace {

// The picture each bonus shows when its hat is lifted, by bonus number 1..3.
constexpr std::array<HatChooserEl, 3> kRevealed{
    HatChooserEl::StoreDrinksBonus, HatChooserEl::StoreMezeBonus, HatChooserEl::StoreGoldenBonus};

}  // namespace

HatChooserWindow::HatChooserWindow(Desktop& desktop, Machine& machine) : d_(desktop), m_(machine) {}

void HatChooserWindow::OnShow() {
  for (int k = 1; k <= 3; ++k) d_.CopyPicture(Ref(ChooserHat(k)), Ref(HatChooserEl::StoreHat));
  picked_ = false;
  if (const auto restored = TakeRestore()) {
    for (std::size_t k = 0; k < hatContents_.size(); ++k)
      hatContents_[k] = static_cast<std::uint8_t>(restored->values[k]);
    return;
  }
  hatContents_.fill(0);
  for (auto& content : hatContents_) content = DrawUnusedValue(m_.Rng, hatContents_, 3);
  Progress();
}

BonusWindowState HatChooserWindow::Snapshot() const {
  BonusWindowState s;
  s.dealt = picked_ ? kFinished : kDealt;
  for (std::size_t k = 0; k < hatContents_.size(); ++k) s.values[k] = hatContents_[k];
  return s;
}

// Closing without a pick would leave the bonus unplayed: the window waits for its pick.
bool HatChooserWindow::CloseRequested() {
  return picked_;
}

void HatChooserWindow::Click(std::uint16_t handler, int number) {
  switch (static_cast<HatChooserClick>(handler)) {
    case HatChooserClick::None:
      return;
    case HatChooserClick::PickHat:
      return PickHat(number);
  }
}

void HatChooserWindow::PickHat(int hat) {
  if (picked_ || hat < 1 || hat > 3) return;  // the pick is final
  picked_ = true;
  PlayCue(d_, m_.State, Cue::Pick);
  const std::uint8_t bonus = hatContents_[static_cast<std::size_t>(hat - 1)];
  m_.BonusChoice = bonus;
  Progress();
  d_.CopyPicture(Ref(ChooserHat(hat)), Ref(kRevealed[static_cast<std::size_t>(bonus - 1)]));
  d_.Repaint(WindowId::HatChooser);
  d_.Pause(durations::kAfterHatPick, [this] { d_.Close(WindowId::HatChooser); });
}

}  // namespace tarvolenka
