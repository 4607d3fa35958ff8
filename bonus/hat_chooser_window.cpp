#include "bonus/hat_chooser_window.h"

#include "catalogue/durations.h"
#include "core/sound.h"

namespace tarvolenka {
namespace {

// The picture each bonus shows when its hat is lifted, by bonus number 1..3.
constexpr std::array<HatChooserEl, 3> kRevealed{
    HatChooserEl::StoreDrinksBonus, HatChooserEl::StoreMezeBonus, HatChooserEl::StoreGoldenBonus};

}  // namespace

HatChooserWindow::HatChooserWindow(Desktop& desktop, Machine& machine)
    : d_(desktop),
      m_(machine),
      ring_(desktop, WindowId::HatChooser, [this](int) { return hats_.open(); }) {}

void HatChooserWindow::OnShow() {
  for (int k = 1; k <= 3; ++k) d_.CopyPicture(Ref(ChooserHat(k)), Ref(HatChooserEl::StoreHat));
  if (const auto restored = TakeRestore()) {
    hats_.Restore(*restored);
  } else {
    hats_.DealEachValueOnce(m_.Rng);
    Progress();
  }
  ring_.Start();
}

BonusWindowState HatChooserWindow::Snapshot() const {
  return hats_.Snapshot();
}

// Closing without a pick would leave the bonus unplayed: the window waits for its pick.
bool HatChooserWindow::CloseRequested() {
  return !hats_.open();
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
  const auto picked = hats_.Pick(hat);  // the pick is final
  if (!picked) return;
  PlayCue(d_, m_.State, Cue::Pick);
  const std::uint8_t bonus = *picked;
  Progress();
  d_.CopyPicture(Ref(ChooserHat(hat)), Ref(kRevealed[static_cast<std::size_t>(bonus - 1)]));
  ring_.Place(hat);
  ring_.Wait();
  d_.Repaint(WindowId::HatChooser);
  d_.Pause(durations::kAfterHatPick, [this] { d_.Close(WindowId::HatChooser); });
}

}  // namespace tarvolenka
