#include "bonus/golden_pick_window.h"

#include <string>

#include "bonus/pick_labels.h"
#include "catalogue/durations.h"
#include "core/reseed.h"
#include "core/sound.h"

namespace tarvolenka {
namespace {

constexpr int kMissedLabelPoints = 8;
constexpr int kPickedLabelPoints = 9;

}  // namespace

GoldenPickWindow::GoldenPickWindow(Desktop& desktop, Machine& machine)
    : d_(desktop),
      m_(machine),
      ring_(desktop, WindowId::GoldenPick, [this](int) { return covers_.open(); }) {}

void GoldenPickWindow::OnShow() {
  for (int k = 1; k <= 3; ++k) {
    d_.CopyPicture(Ref(Cover(k)), Ref(GoldenPickEl::StoreCover));
    d_.SetVisible(Ref(CoverLabel(k)), false);
  }
  d_.SetVisible(Ref(GoldenPickEl::Status), false);
  d_.SetVisible(Ref(GoldenPickEl::Banner), true);
  if (const auto restored = TakeRestore()) {
    covers_.Restore(*restored);
  } else {
    ReseedFromClock(d_, m_.Rng);
    covers_.DealIntoDrawnCovers(m_.Rng, kFewestFouls);
    Progress();
  }
  ring_.Start();
}

BonusWindowState GoldenPickWindow::Snapshot() const {
  return covers_.Snapshot();
}

// The board needs the number of fouls it allows: the window waits for its pick.
bool GoldenPickWindow::CloseRequested() {
  return !covers_.open();
}

void GoldenPickWindow::Click(std::uint16_t handler, int number) {
  switch (static_cast<GoldenPickClick>(handler)) {
    case GoldenPickClick::None:
      return;
    case GoldenPickClick::PickCover:
      return PickCover(number);
  }
}

void GoldenPickWindow::PickCover(int cover) {
  const auto picked = covers_.Pick(cover);
  if (!picked) return;
  const std::uint8_t v = *picked;
  ShowChoices(cover);
  m_.Record.bonusPicks.push_back({"cover", 0, cover, v});
  Progress();
  ring_.Place(cover);
  ring_.Wait();
  d_.Repaint(WindowId::GoldenPick);
  PlayCue(d_, m_.State, Cue::Pick);
  d_.Pause(durations::kAfterGoldenPick, [this] { d_.Close(WindowId::GoldenPick); });
}

// All three covers open, so the player sees the fouls missed beside their own; the prompt gives
// way to what the board will allow, for the wait before it opens.
void GoldenPickWindow::ShowChoices(int picked) {
  for (int k = 1; k <= 3; ++k) {
    d_.CopyPicture(Ref(Cover(k)),
                   Ref(FoulsPicture(covers_.values()[static_cast<std::size_t>(k - 1)])));
    ShowCoverLabel(d_, Ref(CoverLabel(k)), k == picked, kPickedLabelPoints, kMissedLabelPoints);
  }
  d_.SetVisible(Ref(GoldenPickEl::Banner), false);
  const ElementRef status = Ref(GoldenPickEl::Status);
  d_.SetText(status, "Таблото позволява " + std::to_string(covers_.pickedValue()) + " фала");
  d_.SetVisible(status, true);
}

}  // namespace tarvolenka
