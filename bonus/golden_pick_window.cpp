#include "bonus/golden_pick_window.h"

#include "bonus/draw_cell.h"
#include "catalogue/durations.h"
#include "core/reseed.h"
#include "core/sound.h"

namespace tarvolenka {

GoldenPickWindow::GoldenPickWindow(Desktop& desktop, Machine& machine) : d_(desktop), m_(machine) {}

void GoldenPickWindow::OnShow() {
  for (int k = 1; k <= 3; ++k) d_.CopyPicture(Ref(Cover(k)), Ref(GoldenPickEl::StoreCover));
  open_ = true;
  if (const auto restored = TakeRestore()) {
    for (std::size_t k = 0; k < values_.size(); ++k)
      values_[k] = static_cast<std::uint8_t>(restored->values[k]);
    return;
  }
  values_.fill(0);
  ReseedFromClock(d_, m_.Rng);
  for (std::uint8_t fouls = 2; fouls <= 4; ++fouls)
    values_[DrawCellWhere(m_.Rng, values_, [](std::uint8_t v) { return v == 0; })] = fouls;
  Progress();
}

BonusWindowState GoldenPickWindow::Snapshot() const {
  BonusWindowState s;
  s.dealt = open_ ? kDealt : kFinished;
  for (std::size_t k = 0; k < values_.size(); ++k) s.values[k] = values_[k];
  return s;
}

// The board needs the number of fouls it allows: the window waits for its pick.
bool GoldenPickWindow::CloseRequested() {
  return !open_;
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
  if (!open_ || cover < 1 || cover > 3) return;
  open_ = false;
  const std::uint8_t v = values_[static_cast<std::size_t>(cover - 1)];
  d_.CopyPicture(Ref(Cover(cover)), Ref(FoulsPicture(v)));
  m_.GoldenPick = v;
  m_.Record.bonusPicks.push_back({"cover", 0, cover, v});
  Progress();
  d_.Repaint(WindowId::GoldenPick);
  PlayCue(d_, m_.State, Cue::Pick);
  d_.Pause(durations::kAfterGoldenPick, [this] { d_.Close(WindowId::GoldenPick); });
}

}  // namespace tarvolenka
