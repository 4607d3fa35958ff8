#include "bonus/golden_board_window.h"

#include <string>

#include "catalogue/durations.h"
#include "core/sound.h"

namespace tarvolenka {

GoldenBoardWindow::GoldenBoardWindow(Desktop& desktop, Machine& machine, const BonusRules& bonus)
    : d_(desktop),
      m_(machine),
      bonus_(bonus),
      ring_(desktop, WindowId::GoldenBoard,
            [this](int cell) { return !rules_.Over() && rules_.IsCovered(cell); }) {}

void GoldenBoardWindow::OnShow() {
  for (int k = 1; k <= kBoardCells; ++k)
    d_.CopyPicture(Ref(BoardCell(k)), Ref(GoldenBoardEl::StoreCover));
  d_.SetVisible(Ref(GoldenBoardEl::Status), false);
  d_.SetVisible(Ref(GoldenBoardEl::Banner), true);
  if (const auto restored = TakeRestore()) {
    rules_.Restore(*restored, bonus_.round().goldenPick);
    UpdateLadder();
    UpdateFoulsLeft();
    for (int k = 1; k <= kBoardCells; ++k)
      if (!rules_.IsCovered(k)) ShowCell(k);
  } else {
    rules_.Deal(bonus_.round().goldenPick, m_.Rng);
    UpdateLadder();
    UpdateFoulsLeft();
    Progress();
  }
  ring_.Start();
}

BonusWindowState GoldenBoardWindow::Snapshot() const {
  return rules_.Snapshot();
}

void GoldenBoardWindow::UpdateLadder() {
  const Rect ladder = SpecOf(Ref(GoldenBoardEl::Ladder)).rect;
  const LadderRung& rung = kLadderTable[static_cast<std::size_t>(rules_.rung())];
  d_.MoveElement(Ref(GoldenBoardEl::LadderMarker), ladder.left, ladder.top + rung.markerOffset);
}

// Counts down from the fouls the golden pick allowed to none, when the game is over.
void GoldenBoardWindow::UpdateFoulsLeft() {
  const int allowed = bonus_.round().goldenPick;
  d_.SetText(Ref(GoldenBoardEl::FoulsLeft),
             "Оставащи фалове: " + std::to_string(allowed - rules_.fouls()) + " от " +
                 std::to_string(allowed));
}

void GoldenBoardWindow::Click(std::uint16_t handler, int number) {
  switch (static_cast<GoldenBoardClick>(handler)) {
    case GoldenBoardClick::None:
      return;
    case GoldenBoardClick::PickCell:
      return PickCell(number);
  }
}

void GoldenBoardWindow::PickCell(int cell) {
  const auto picked = rules_.Pick(cell);
  if (!picked) return;
  m_.Record.bonusPicks.push_back({"cell", 0, cell, picked->coin ? 1 : 0});
  if (picked->coin)
    UpdateLadder();
  else
    UpdateFoulsLeft();
  ShowCell(cell);
  ring_.Place(cell);
  PlayCue(d_, m_.State, picked->coin ? Cue::Hit : Cue::Miss);
  Progress();
  if (picked->over) {
    ring_.Wait();
    // The prompt gives way to where the ladder stopped while the rest of the board is shown.
    d_.SetVisible(Ref(GoldenBoardEl::Banner), false);
    const ElementRef status = Ref(GoldenBoardEl::Status);
    d_.SetText(status, "Край: стълбата спря на " + std::to_string(rules_.prize()));
    d_.SetVisible(status, true);
    RevealRest();
  }
}

void GoldenBoardWindow::RevealRest() {
  if (const int cell = rules_.UncoverNext()) {
    ShowCell(cell);
    d_.Repaint(WindowId::GoldenBoard);
    d_.Pause(durations::kBoardRevealStep, [this] { RevealRest(); });
    return;
  }
  d_.Repaint(WindowId::GoldenBoard);
  d_.Pause(durations::kBoardEnd, [this] { d_.Close(WindowId::GoldenBoard); });
}

void GoldenBoardWindow::ShowCell(int cell) {
  const auto source = rules_.IsCoin(cell) ? GoldenBoardEl::StoreCoin : GoldenBoardEl::StoreFoul;
  d_.CopyPicture(Ref(BoardCell(cell)), Ref(source));
}

}  // namespace tarvolenka
