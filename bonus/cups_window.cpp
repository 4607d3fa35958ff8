#include "bonus/cups_window.h"

#include <algorithm>
#include <string>

#include "bonus/pick_labels.h"
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

CupsWindow::CupsWindow(Desktop& desktop, Machine& machine, const BonusRules& bonus)
    : d_(desktop), m_(machine), bonus_(bonus), ring_(desktop, WindowId::Cups, [this](int cup) {
        return rules_.open() && !rules_.opened(cup);
      }) {}

void CupsWindow::OnShow() {
  const int drink = bonus_.round().bottleChoice;
  const bool known = drink >= 1 && drink <= kBottles;
  if (known)
    for (int i = 1; i <= kCups; ++i) d_.CopyPicture(Ref(Cup(i)), Ref(CupOfDrink(drink)));
  for (int i = 1; i <= kCups; ++i) {
    const ElementRef label = Ref(CupLabel(i));
    d_.SetVisible(label, false);
    d_.SetText(label, "");
    d_.SetFontSize(label, kLabelPoints);
    d_.SetPanelColour(label, cups_window::kPrize.background);
  }
  d_.SetText(Ref(CupsEl::Multiplier), MultiplierText(bonus_.round().multiplier));
  if (known) d_.CopyPicture(Ref(CupsEl::PickedBottle), Ref(Bottle(drink)));
  d_.SetVisible(Ref(CupsEl::Status), false);
  d_.SetVisible(Ref(CupsEl::Banner), true);
  if (const auto restored = TakeRestore()) {
    Restore(*restored);
  } else {
    rules_.Deal(bonus_.round().symbolCount, m_.Rng);
    Progress();
  }
  ShowTally();
  ring_.Start();
}

BonusWindowState CupsWindow::Snapshot() const {
  return rules_.Snapshot();
}

void CupsWindow::Restore(const BonusWindowState& state) {
  rules_.Restore(state, bonus_.round().symbolCount);
  for (int cup = 1; cup <= kCups; ++cup)
    if (rules_.opened(cup)) ShowOpened(cup);
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
  const auto pick = rules_.Pick(cup);
  if (!pick) return;
  PlayCue(d_, m_.State, Cue::Hit);
  m_.Record.bonusPicks.push_back({"cup", 0, cup, pick->prize});
  ShowOpened(cup);
  ShowTally();
  ring_.Place(cup);
  Progress();
  if (pick->result) {
    // The prompt gives way to the level found three times while the other cups are shown.
    d_.SetVisible(Ref(CupsEl::Banner), false);
    const ElementRef status = Ref(CupsEl::Status);
    // The credits it brings, multiplier and stake included; the result window shows how.
    const std::int64_t win = bonus_.Win(m_.State.LineStake, *pick->result);
    d_.SetText(status, "Три чаши по " + std::to_string(*pick->result) + " — печелите " +
                           std::to_string(win) + "!");
    d_.SetVisible(status, true);
    MarkWinners(*pick->result);
    Reveal();
  }
}

// An opened cup is drunk, its own glass left empty, its prize on a large tag.
void CupsWindow::ShowOpened(int cup) {
  const int drink = bonus_.round().bottleChoice;
  const bool known = drink >= 1 && drink <= kBottles;
  d_.CopyPicture(Ref(Cup(cup)), Ref(known ? EmptyCupOfDrink(drink) : CupsEl::StoreCupEmpty));
  const ElementRef label = Ref(CupLabel(cup));
  d_.SetFontSize(label, kOpenedLabelPoints);
  d_.SetText(label, std::to_string(rules_.prizes()[Index(cup)]));
  d_.SetVisible(label, true);
}

// The three cups of the prize won turn their tags green.
void CupsWindow::MarkWinners(std::int64_t prize) {
  for (int cup = 1; cup <= kCups; ++cup)
    if (rules_.opened(cup) && rules_.prizes()[Index(cup)] == prize)
      d_.SetPanelColour(Ref(CupLabel(cup)), cups_window::kPrizeWon);
}

// The levels from the highest down, each with a dot per cup of it found.
void CupsWindow::ShowTally() {
  const std::size_t levels = kCupLevels.size();
  for (std::size_t row = 0; row < levels; ++row) {
    const std::size_t level = levels - 1 - row;
    const int found = std::min<int>(rules_.hits()[level], kCupsPerLevel);
    std::string dots;
    for (int k = 0; k < kCupsPerLevel; ++k)
      dots += std::string(k ? " " : "") + (k < found ? "●" : "○");
    const int r = static_cast<int>(row) + 1;
    d_.SetText(Ref(TallyPrize(r)), std::to_string(rules_.levelPrize(level)));
    d_.SetText(Ref(TallyHits(r)), dots);
  }
}

// The cups not opened show their prizes one by one in the small font.
void CupsWindow::Reveal() {
  ring_.Wait();
  d_.Repaint(WindowId::Cups);
  d_.Pause(durations::kCupsRevealStep, [this] { RevealFrom(1); });
}

void CupsWindow::RevealFrom(int cup) {
  for (int j = cup; j <= kCups; ++j) {
    if (rules_.opened(j)) continue;  // an opened cup keeps its large number
    const ElementRef label = Ref(CupLabel(j));
    d_.SetText(label, std::to_string(rules_.prizes()[Index(j)]));
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
