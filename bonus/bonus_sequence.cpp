#include "bonus/bonus_sequence.h"

#include <utility>

#include "catalogue/durations.h"
#include "core/arith.h"
#include "core/bonus_trigger.h"
#include "core/reels.h"

namespace tarvolenka {

BonusSequence::BonusSequence(Desktop& desktop, Machine& machine, MainWindow& main,
                             BonusRules& rules, BonusWindows windows)
    : d_(desktop), m_(machine), main_(main), rules_(rules), windows_(windows) {
  const auto hook = [this](const ResumableWindow& window, Stage stage) {
    return [this, &window, stage] {
      TakeOutcome(stage);
      Record(stage_, &window);
    };
  };
  windows_.chooser.SetProgressHook(hook(windows_.chooser, Stage::Chooser));
  windows_.bottles.SetProgressHook(hook(windows_.bottles, Stage::Bottles));
  windows_.cups.SetProgressHook(hook(windows_.cups, Stage::Cups));
  windows_.meze.SetProgressHook(hook(windows_.meze, Stage::Meze));
  windows_.goldenPick.SetProgressHook(hook(windows_.goldenPick, Stage::GoldenPick));
  windows_.goldenBoard.SetProgressHook(hook(windows_.goldenBoard, Stage::GoldenBoard));
}

void BonusSequence::RunBonus(std::function<void()> done) {
  if (!rules_.Open(CountVisible(m_.Reels, kBonusSymbol))) {
    if (done) done();
    return;
  }
  done_ = std::move(done);
  PlayFrom(Stage::BeforeChooser, nullptr);
}

void BonusSequence::ResumeBonus(const ResumeRecord& record, std::function<void()> done) {
  rules_.Restore(record.stage, record.round);
  done_ = std::move(done);
  PlayFrom(record.stage, record.window.dealt != 0 ? &record.window : nullptr);
}

// The normal path runs every stage from the first; a resumed one enters at its stage. Each
// stage's window opens, and the sequence goes on from the stage the rules name next once it
// has closed. The order of operations and of draws is the same on both paths.
void BonusSequence::PlayFrom(Stage stage, const BonusWindowState* restore) {
  const auto next = [this] { PlayFrom(rules_.Next(), nullptr); };
  switch (stage) {
    case Stage::BeforeChooser:
      Record(Stage::BeforeChooser, nullptr);
      d_.Pause(durations::kBeforeBonusChooser, [this, next] {
        main_.SaveGame();  // the spin's line win is safe before the bonus starts
        m_.Record.bonusPicks.clear();
        next();
      });
      return;
    case Stage::Chooser:
      return Show(Stage::Chooser, WindowId::HatChooser, windows_.chooser, restore, next);
    case Stage::Bottles:
      return Show(Stage::Bottles, WindowId::Bottles, windows_.bottles, restore, next);
    case Stage::Cups:
      return Show(Stage::Cups, WindowId::Cups, windows_.cups, restore, next);
    case Stage::Meze:
      return Show(Stage::Meze, WindowId::Meze, windows_.meze, restore, next);
    case Stage::GoldenPick:
      return Show(Stage::GoldenPick, WindowId::GoldenPick, windows_.goldenPick, restore, next);
    case Stage::GoldenBoard:
      return Show(Stage::GoldenBoard, WindowId::GoldenBoard, windows_.goldenBoard, restore, next);
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

// The game of a window that has dealt or been picked in hands its outcome to the round.
void BonusSequence::TakeOutcome(Stage stage) {
  switch (stage) {
    case Stage::Chooser:
      if (const std::uint8_t game = windows_.chooser.rules().pickedValue()) rules_.Chose(game);
      return;
    case Stage::Bottles:
      if (const int bottle = windows_.bottles.rules().pickedCover())
        rules_.BottlePicked(bottle, windows_.bottles.rules().pickedValue());
      return;
    case Stage::Cups:
      if (const auto result = windows_.cups.rules().result()) rules_.CupsWon(*result);
      return;
    case Stage::Meze:
      return rules_.MezeTotal(windows_.meze.rules().total());
    case Stage::GoldenPick:
      if (const std::uint8_t fouls = windows_.goldenPick.rules().pickedValue())
        rules_.FoulsAllowed(fouls);
      return;
    case Stage::GoldenBoard:
      return rules_.BoardPrize(windows_.goldenBoard.rules().prize());
    default:
      return;
  }
}

void BonusSequence::Record(Stage stage, const ResumableWindow* window) {
  if (!main_.resume().enabled()) return;
  stage_ = stage;
  ResumeRecord record = main_.CaptureInFlight(InFlight::Bonus);
  record.stage = stage;
  if (window != nullptr) record.window = window->Snapshot();
  main_.resume().Record(record);
}

// The win is added on top of the spin's line win; the round keeps the amount credited.
void BonusSequence::Pay() {
  const std::int64_t win = rules_.Pay(m_.State.LineStake);
  m_.State.Balance = SatAdd(m_.State.Balance, win);
  m_.State.LastWin = SatAdd(m_.State.LastWin, win);
}

}  // namespace tarvolenka
