#include "bonus/bonus_sequence.h"

#include <utility>

#include "bonus/bonus_win.h"
#include "catalogue/durations.h"
#include "core/arith.h"
#include "core/bonus_trigger.h"
#include "core/reels.h"

namespace tarvolenka {
namespace {

enum BonusGame : std::uint8_t { kNoPick = 0, kDrinks = 1, kMeze = 2, kGolden = 3 };

}  // namespace

BonusSequence::BonusSequence(Desktop& desktop, Machine& machine, MainWindow& main,
                             BonusWindows windows)
    : d_(desktop), m_(machine), main_(main), windows_(windows) {
  const auto hook = [this](const ResumableWindow& window) {
    return [this, &window] { Record(stage_, &window); };
  };
  windows_.chooser.SetProgressHook(hook(windows_.chooser));
  windows_.bottles.SetProgressHook(hook(windows_.bottles));
  windows_.cups.SetProgressHook(hook(windows_.cups));
  windows_.meze.SetProgressHook(hook(windows_.meze));
  windows_.goldenPick.SetProgressHook(hook(windows_.goldenPick));
  windows_.goldenBoard.SetProgressHook(hook(windows_.goldenBoard));
}

void BonusSequence::RunBonus(std::function<void()> done) {
  m_.BonusSymbolCount = CountVisible(m_.Reels, kBonusSymbol);
  if (!OpensBonus(m_.BonusSymbolCount)) {
    if (done) done();
    return;
  }
  done_ = std::move(done);
  PlayFrom(Stage::BeforeChooser, nullptr);
}

void BonusSequence::ResumeBonus(const ResumeRecord& record, std::function<void()> done) {
  const BonusRound& h = record.round;
  m_.BonusSymbolCount = h.symbolCount;
  m_.BonusChoice = h.choice;
  m_.BonusMultiplier = h.multiplier;
  m_.BonusAmount = h.amount;
  m_.BottleChoice = h.bottleChoice;
  m_.GoldenPick = h.goldenPick;
  done_ = std::move(done);
  PlayFrom(record.stage, record.window.dealt != 0 ? &record.window : nullptr);
}

// The normal path runs every stage from the first; a resumed one enters at its stage. Each
// stage's window opens, and the sequence goes on from the next stage once it has closed. The
// order of operations and of draws is the same on both paths.
void BonusSequence::PlayFrom(Stage stage, const BonusWindowState* restore) {
  switch (stage) {
    case Stage::BeforeChooser:
      Record(Stage::BeforeChooser, nullptr);
      d_.Pause(durations::kBeforeBonusChooser, [this] {
        main_.SaveGame();  // the spin's line win is safe before the bonus starts
        m_.Record.bonusPicks.clear();
        m_.BonusChoice = kNoPick;
        PlayFrom(Stage::Chooser, nullptr);
      });
      return;
    case Stage::Chooser:
      return Show(Stage::Chooser, WindowId::HatChooser, windows_.chooser, restore,
                  [this] { PlayFrom(FirstStageOfChoice(), nullptr); });
    case Stage::Bottles:
      return Show(Stage::Bottles, WindowId::Bottles, windows_.bottles, restore,
                  [this] { PlayFrom(Stage::Cups, nullptr); });
    case Stage::Cups:
      return Show(Stage::Cups, WindowId::Cups, windows_.cups, restore,
                  [this] { PlayFrom(Stage::Result, nullptr); });
    case Stage::Meze:
      return Show(Stage::Meze, WindowId::Meze, windows_.meze, restore,
                  [this] { PlayFrom(Stage::Result, nullptr); });
    case Stage::GoldenPick:
      return Show(Stage::GoldenPick, WindowId::GoldenPick, windows_.goldenPick, restore, [this] {
        // The board ends on the number of fouls picked; without a pick it could never end.
        const bool board = m_.GoldenPick >= 2 && m_.GoldenPick <= 4;
        PlayFrom(board ? Stage::GoldenBoard : Stage::Result, nullptr);
      });
    case Stage::GoldenBoard:
      return Show(Stage::GoldenBoard, WindowId::GoldenBoard, windows_.goldenBoard, restore,
                  [this] { PlayFrom(Stage::Result, nullptr); });
    case Stage::Result:
      Record(Stage::Result, nullptr);
      d_.Open(WindowId::BonusResult, [this] {
        Pay();
        PlayFrom(Stage::Paid, nullptr);
      });
      return;
    case Stage::Paid:
    case Stage::Count:
      break;
  }
  Record(Stage::Paid, nullptr);
  main_.RefreshDisplay();
  main_.SaveGame();
  if (auto done = std::exchange(done_, {})) done();
}

void BonusSequence::Show(Stage stage, WindowId id, ResumableWindow& window,
                         const BonusWindowState* restore, std::function<void()> next) {
  stage_ = stage;
  if (restore != nullptr) {
    if (restore->dealt == ResumableWindow::kFinished) return next();
    window.RestoreOnNextShow(*restore);
  } else {
    Record(stage, nullptr);  // the window deals from the recorded generator
  }
  d_.Open(id, std::move(next));
}

// The chosen game's first stage, with its hand-over values as the game starts them.
BonusStageId BonusSequence::FirstStageOfChoice() {
  switch (m_.BonusChoice) {
    case kDrinks:
      m_.BonusMultiplier = 0;
      m_.BottleChoice = 0;
      m_.BonusAmount = 0;
      return Stage::Bottles;
    case kMeze:
      m_.BonusAmount = 0;
      m_.BonusMultiplier = 1;
      return Stage::Meze;
    case kGolden:
      m_.BonusAmount = 0;
      m_.BonusMultiplier = 1;
      m_.GoldenPick = 0;
      return Stage::GoldenPick;
    default:
      return Stage::Paid;  // no pick: nothing is played or paid
  }
}

void BonusSequence::Record(Stage stage, const ResumableWindow* window) {
  if (!main_.resume().enabled()) return;
  stage_ = stage;
  ResumeRecord record = CaptureInFlight(m_, InFlight::Bonus);
  record.stage = stage;
  if (window != nullptr) record.window = window->Snapshot();
  main_.resume().Record(record);
}

// The win is added on top of the spin's line win; BonusAmount keeps the amount credited.
void BonusSequence::Pay() {
  m_.BonusAmount = BonusWin(m_);
  m_.State.Balance = SatAdd(m_.State.Balance, m_.BonusAmount);
  m_.State.LastWin = SatAdd(m_.State.LastWin, m_.BonusAmount);
}

}  // namespace tarvolenka
