#include "bonus/bottles_window.h"

#include <string>

#include "bonus/pick_labels.h"
#include "catalogue/durations.h"
#include "core/sound.h"

namespace tarvolenka {
namespace {

constexpr int kLabelPoints = 15;
constexpr int kPickedLabelPoints = 24;

}  // namespace

BottlesWindow::BottlesWindow(Desktop& desktop, Machine& machine)
    : d_(desktop),
      m_(machine),
      ring_(desktop, WindowId::Bottles, [this](int) { return rules_.open(); }) {}

void BottlesWindow::OnShow() {
  for (int i = 1; i <= kBottles; ++i) {
    const ElementRef label = Ref(BottleLabel(i));
    d_.SetVisible(label, false);
    d_.SetText(label, "");
    d_.SetFontSize(label, kLabelPoints);
  }
  d_.SetVisible(Ref(BottlesEl::Status), false);
  d_.SetVisible(Ref(BottlesEl::Banner), true);
  if (const auto restored = TakeRestore()) {
    rules_.Restore(*restored);
  } else {
    rules_.DealEachValueOnce(m_.Rng);
    Progress();
  }
  ring_.Start();
}

BonusWindowState BottlesWindow::Snapshot() const {
  return rules_.Snapshot();
}

// The cups need a multiplier and a drink: the window waits for its pick.
bool BottlesWindow::CloseRequested() {
  return !rules_.open();
}

void BottlesWindow::Click(std::uint16_t handler, int number) {
  switch (static_cast<BottlesClick>(handler)) {
    case BottlesClick::None:
      return;
    case BottlesClick::PickBottle:
      return PickBottle(number);
  }
}

void BottlesWindow::PickBottle(int bottle) {
  const auto picked = rules_.Pick(bottle);
  if (!picked) return;
  PlayCue(d_, m_.State, Cue::Hit);
  const int v = *picked;
  m_.Record.bonusPicks.push_back({"bottle", 0, bottle, v});
  Progress();
  const ElementRef label = Ref(BottleLabel(bottle));
  d_.SetFontSize(label, kPickedLabelPoints);
  d_.SetText(label, MultiplierText(v));
  d_.SetVisible(label, true);
  // The prompt gives way to the multiplier won while the others are shown.
  d_.SetVisible(Ref(BottlesEl::Banner), false);
  const ElementRef status = Ref(BottlesEl::Status);
  d_.SetText(status, "Вашият множител за чашите: " + MultiplierText(v));
  d_.SetVisible(status, true);
  ring_.Place(bottle);
  ring_.Wait();
  Reveal();
}

// The other multipliers appear one a second in the small font; the last one gets no pause of
// its own before the final wait.
void BottlesWindow::Reveal() {
  d_.Repaint(WindowId::Bottles);
  d_.Pause(durations::kBottlesRevealStep, [this] { RevealFrom(1); });
}

void BottlesWindow::RevealFrom(int bottle) {
  for (int j = bottle; j <= kBottles; ++j) {
    if (j == rules_.pickedCover()) continue;
    const ElementRef label = Ref(BottleLabel(j));
    d_.SetText(label, MultiplierText(rules_.values()[static_cast<std::size_t>(j - 1)]));
    d_.SetVisible(label, true);
    if (j < kBottles) {
      d_.Repaint(WindowId::Bottles);
      d_.Pause(durations::kBottlesRevealStep, [this, j] { RevealFrom(j + 1); });
      return;
    }
  }
  // Every multiplier shows; the wait before the cups says what it is for.
  d_.SetText(
      Ref(BottlesEl::Status),
      "Вашият множител: " +
          MultiplierText(rules_.values()[static_cast<std::size_t>(rules_.pickedCover() - 1)]) +
          " · следват чашите…");
  d_.Repaint(WindowId::Bottles);
  d_.Pause(durations::kBottlesEnd, [this] { d_.Close(WindowId::Bottles); });
}

}  // namespace tarvolenka
