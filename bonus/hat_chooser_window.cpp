#include "bonus/hat_chooser_window.h"

#include <string>
#include <string_view>

#include "bonus/bonus_rules.h"
#include "bonus/pick_labels.h"
#include "catalogue/durations.h"
#include "core/sound.h"

namespace tarvolenka {
namespace {

// The picture each bonus shows when its hat is lifted, by bonus number 1..3.
constexpr std::array<HatChooserEl, 3> kRevealed{
    HatChooserEl::StoreDrinksBonus, HatChooserEl::StoreMezeBonus, HatChooserEl::StoreGoldenBonus};

constexpr int kMissedLabelPoints = 10;
constexpr int kPickedLabelPoints = 12;

// The lifted hats show their games standing on one line, each centred where its hat lay, with
// the labels in a row beneath: the games' pictures are taller than a hat and carry their names,
// so left where the hats lay they would run over the labels and each other.
constexpr int kRevealFloor = 236;
constexpr int kRevealLabelTop = kRevealFloor + 2;

}  // namespace

HatChooserWindow::HatChooserWindow(Desktop& desktop, Machine& machine)
    : d_(desktop),
      m_(machine),
      ring_(desktop, WindowId::HatChooser, [this](int) { return hats_.open(); }) {}

void HatChooserWindow::OnShow() {
  for (int k = 1; k <= 3; ++k) {
    const Rect hat = SpecOf(Ref(ChooserHat(k))).rect;
    const Rect label = SpecOf(Ref(HatLabel(k))).rect;
    d_.MoveElement(Ref(ChooserHat(k)), hat.left, hat.top);
    d_.MoveElement(Ref(HatLabel(k)), label.left, label.top);
    d_.CopyPicture(Ref(ChooserHat(k)), Ref(HatChooserEl::StoreHat));
    d_.SetVisible(Ref(HatLabel(k)), false);
  }
  d_.SetVisible(Ref(HatChooserEl::Status), false);
  d_.SetText(Ref(HatChooserEl::Title), SpecOf(Ref(HatChooserEl::Title)).text);
  d_.SetVisible(Ref(HatChooserEl::Banner), true);
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
  ShowChoices(hat, bonus);
  ring_.Place(hat);
  ring_.Wait();
  // The ring is cut for a hat, not for the taller game lifted from under it; the label names the
  // pick, and the status says the next game is on its way.
  d_.SetVisible(Ref(HatChooserEl::Ring), false);
  d_.Repaint(WindowId::HatChooser);
  d_.Pause(durations::kAfterHatPick, [this] { d_.Close(WindowId::HatChooser); });
}

// Every hat is lifted, so the player sees the games missed beside their own, the pick marked
// in the status's red under it; the title names the game that follows, for the wait before it
// opens.
void HatChooserWindow::ShowChoices(int picked, std::uint8_t bonus) {
  const auto& values = hats_.values();
  for (int k = 1; k <= 3; ++k) {
    const auto game = static_cast<std::size_t>(values[static_cast<std::size_t>(k - 1)] - 1);
    const Rect hat = SpecOf(Ref(ChooserHat(k))).rect;
    const PictureSpec& shown = SpecOf(SpecOf(Ref(kRevealed[game])).picture);
    d_.CopyPicture(Ref(ChooserHat(k)), Ref(kRevealed[game]));
    d_.MoveElement(Ref(ChooserHat(k)), hat.Centre().x - shown.width / 2,
                   kRevealFloor - shown.height);
    d_.MoveElement(Ref(HatLabel(k)), hat.left, kRevealLabelTop);
    ShowCoverLabel(d_, Ref(HatLabel(k)), k == picked, kPickedLabelPoints, kMissedLabelPoints);
  }
  d_.SetVisible(Ref(HatChooserEl::Banner), false);
  const ElementRef status = Ref(HatChooserEl::Status);
  const Rect hat = SpecOf(Ref(ChooserHat(picked))).rect;
  d_.SetVisible(Ref(HatLabel(picked)), false);
  d_.SetText(status, kPickedCoverLabel);
  d_.MoveElement(status, hat.Centre().x - SpecOf(status).rect.width / 2, kRevealLabelTop);
  d_.SetVisible(status, true);
  d_.SetText(Ref(HatChooserEl::Title),
             "ЗАПОЧВА " + std::string(BonusGameName(static_cast<std::uint8_t>(bonus))));
}

}  // namespace tarvolenka
