#include "bonus/meze_window.h"

#include <string>

#include "catalogue/durations.h"
#include "core/sound.h"

namespace tarvolenka {
namespace {

constexpr int kLabelPoints = 12;
constexpr int kPickedLabelPoints = 20;

constexpr std::size_t Index(MezeRow row) {
  return static_cast<std::size_t>(row);
}
constexpr int RowNumber(MezeRow row) {
  return static_cast<int>(row);
}
// The number vegetable k (1..6) of `row` is bound to.
constexpr int ChoiceNumber(MezeRow row, int k) {
  return RowNumber(row) * kMezeCells + k;
}
constexpr MezeRow RowOf(int choice) {
  return static_cast<MezeRow>((choice - 1) / kMezeCells);
}

}  // namespace

MezeWindow::MezeWindow(Desktop& desktop, Machine& machine, const BonusRules& bonus)
    : d_(desktop),
      m_(machine),
      bonus_(bonus),
      ring_(desktop, WindowId::Meze, [this](int choice) { return rules_.IsOpen(RowOf(choice)); }) {}

void MezeWindow::OnShow() {
  d_.SetVisible(Ref(MezeEl::Banner), true);
  d_.SetVisible(Ref(MezeEl::Status), false);
  for (int row = 0; row < kMezeRows; ++row) ShowRow(static_cast<MezeRow>(row), row == 0);
  for (int row = 0; row < kMezeRows; ++row) {
    for (int k = 1; k <= kMezeCells; ++k) {
      d_.SetVisible(Ref(MezeLabel(row, k)), false);
      d_.SetFontSize(Ref(MezeLabel(row, k)), kLabelPoints);
    }
  }
  if (const auto restored = TakeRestore()) {
    Restore(*restored);
  } else {
    rules_.Deal(bonus_.round().symbolCount, m_.Rng);
    d_.SetText(Ref(MezeEl::Total), std::to_string(rules_.total()));
    ShowPrizeTexts();
    Progress();
  }
  ring_.Start();
}

BonusWindowState MezeWindow::Snapshot() const {
  return rules_.Snapshot();
}

// The rows played show all their prizes, the pick in the large font; the next row is open.
void MezeWindow::Restore(const BonusWindowState& state) {
  rules_.Restore(state);
  ShowPrizeTexts();
  d_.SetText(Ref(MezeEl::Total), std::to_string(rules_.total()));
  for (int row = 0; row < kMezeRows; ++row) {
    const auto r = static_cast<MezeRow>(row);
    ShowRow(r, true);
    if (rules_.Picked(r) == 0) return;
    for (int k = 1; k <= kMezeCells; ++k) d_.SetVisible(Ref(MezeLabel(row, k)), true);
    d_.SetFontSize(Ref(MezeLabel(row, rules_.Picked(r))), kPickedLabelPoints);
  }
}

// A zero ends the game, so its tag is dark, to be told from the prizes at a glance.
void MezeWindow::ShowPrizeTexts() {
  for (int row = 0; row < kMezeRows; ++row) {
    for (int k = 1; k <= kMezeCells; ++k) {
      const std::int64_t prize =
          rules_.prizes()[static_cast<std::size_t>(row)][static_cast<std::size_t>(k - 1)];
      const ElementRef label = Ref(MezeLabel(row, k));
      d_.SetText(label, std::to_string(prize));
      d_.SetPanelColour(label, prize == 0 ? colours::kMaroon : meze_window::kPrize.background);
    }
  }
}

void MezeWindow::Click(std::uint16_t handler, int number) {
  switch (static_cast<MezeClick>(handler)) {
    case MezeClick::None:
      return;
    case MezeClick::PickVegetable:
      if (number < 1 || number > kMezeRows * kMezeCells) return;
      return PickVegetable(RowOf(number), (number - 1) % kMezeCells + 1);
  }
}

void MezeWindow::PickVegetable(MezeRow row, int k) {
  const auto prize = rules_.Pick(row, k);
  if (!prize) return;
  PlayCue(d_, m_.State, Cue::Pick);
  const std::int64_t v = *prize;
  m_.Record.bonusPicks.push_back({"meze", static_cast<int>(Index(row)) + 1, k, v});
  d_.SetText(Ref(MezeEl::Total), std::to_string(rules_.total()));
  const ElementRef label = Ref(MezeLabel(RowNumber(row), k));
  d_.SetFontSize(label, kPickedLabelPoints);
  d_.SetVisible(label, true);
  ring_.Place(ChoiceNumber(row, k));
  Progress();
  FinishMezeRow(row);
}

void MezeWindow::FinishMezeRow(MezeRow row) {
  ring_.Wait();
  if (rules_.Over()) ShowEnd();
  d_.Repaint(WindowId::Meze);
  d_.Pause(durations::kMezeRevealStep, [this, row] { RevealRowFrom(row, 1); });
}

void MezeWindow::RevealRowFrom(MezeRow row, int k) {
  d_.SetVisible(Ref(MezeLabel(RowNumber(row), k)), true);
  d_.Repaint(WindowId::Meze);
  if (k < kMezeCells) {
    d_.Pause(durations::kMezeRevealStep, [this, row, k] { RevealRowFrom(row, k + 1); });
    return;
  }
  d_.Pause(durations::kMezeRowEnd, [this, row] { EndMezeRow(row); });
}

void MezeWindow::EndMezeRow(MezeRow row) {
  if (rules_.Over()) {
    d_.Close(WindowId::Meze);
    return;
  }
  const auto next = static_cast<MezeRow>(RowNumber(row) + 1);
  ShowRow(next, true);
  rules_.OpenNextRow();
  // The ring goes up with the rows, in the column of the last pick.
  ring_.Place(ChoiceNumber(next, (ring_.choice() - 1) % kMezeCells + 1));
  // The lids come off the new row and the lit runner moves up to it: the whole window changes.
  d_.Repaint(WindowId::Meze);
}

// The prompt to pick gives way to how the game ended, for the reveal before the window closes.
void MezeWindow::ShowEnd() {
  const std::string total = std::to_string(rules_.total());
  d_.SetVisible(Ref(MezeEl::Banner), false);
  d_.SetText(Ref(MezeEl::Status), rules_.zeroPicked() ? "Нула! Мезето свършва с " + total
                                                      : "Всички мезета са избрани: " + total);
  d_.SetVisible(Ref(MezeEl::Status), true);
}

void MezeWindow::ShowRow(MezeRow row, bool visible) {
  for (int k = 1; k <= kMezeCells; ++k) d_.SetVisible(Ref(MezePicture(RowNumber(row), k)), visible);
}

}  // namespace tarvolenka
