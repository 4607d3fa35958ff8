// Resuming an interrupted game: what was in flight when the program last ended, read from the
// resume file at start-up and finished as the game would have finished it.

#include "core/arith.h"
#include "core/main_window.h"
#include "core/spin_schedule.h"

namespace tarvolenka {

ResumeRecord MainWindow::CaptureInFlight(InFlight kind) const {
  ResumeRecord r = tarvolenka::CaptureInFlight(m_, kind);
  r.freeSpins = cycle_.freeSpins();
  r.autoPlay = cycle_.autoPlay() ? 1 : 0;
  if (bonus_ != nullptr) r.round = bonus_->round();
  r.doubleAmount = doubleInHand_;
  if (kind == InFlight::MegaBonus) r.window = megaWheel_;
  return r;
}

void MainWindow::RecordInFlight(InFlight kind) {
  if (!resume_.enabled()) return;
  resume_.Record(CaptureInFlight(kind));
  RecordResumeWrite();
}

// A game in flight that the resume file does not hold would be lost to a crash: the player
// hears of it.
void MainWindow::RecordResumeWrite() {
  if (resume_.enabled() && resume_.inFlight())
    ReportFile(FileRole::Resume, resume_.fileName(), resume_.lastWrite());
}

void MainWindow::DoubleUpInHand(std::int64_t inHand) {
  doubleInHand_ = inHand;
  RecordInFlight(InFlight::DoubleUp);
}

void MainWindow::Settle() {
  if (resume_.enabled()) {
    resume_.AtRest();
    // Nothing in flight is left to lose.
    ReportFile(FileRole::Resume, resume_.fileName(), {});
  }
  SaveGame();
}

void MainWindow::RecordSpinEnd() {
  if (cycle_.freeSpins() > 0)
    RecordInFlight(InFlight::FreeSpins);
  else
    Settle();
}

// The end of the start-up. The record's state replaces the loaded one; anything that needs the
// windows waits for the event loop.
void MainWindow::ResumeInterruptedGame() {
  if (!resume_.enabled() || !savingAllowed_) return;  // not when quitting over an unusable save
  const auto record = resume_.TakeAtStart(save_.Read());
  // Records taken at rest: the history's kept game, if any, is a game the program ended.
  const bool atRest = !record || record->kind == InFlight::DoubleUp ||
                      record->kind == InFlight::TimedBonus || record->kind == InFlight::MegaBonus ||
                      record->kind == InFlight::LevelUp;
  if (atRest) WriteLeftOpenGame();
  if (!record) return;
  m_.State = record->state;
  RepairGameState(m_.State, d_.NowLocal());
  m_.State.JokerUses = 0;  // re-armed at every start, as always
  m_.Rng.Seed(record->seed);
  m_.Reels = record->reels;
  cycle_.Restore(record->freeSpins, record->autoPlay == 1);
  ShowAutoPlay();
  LoadCellPictures();
  DrawReels();
  RefreshDisplay();
  switch (record->kind) {
    case InFlight::DoubleUp:
      // The amount in hand belongs to the player: collected, as closing the window does.
      m_.State.Balance = SatAdd(m_.State.Balance, record->doubleAmount);
      Settle();
      RefreshDisplay();
      if (history_.keeps()) {
        const DateTime now = d_.NowLocal();
        WriteHistory(
            DoubleUpLine(now, m_.State.LastWin, record->doubleAmount, {}, m_.State.Balance, true),
            false, now);
      }
      return;
    case InFlight::FreeSpins:
      ResumeGameRecord(record->kind);
      spin_.SetStep(kFreeSpinStep);
      d_.StartTimer(TimerOf(MainTimer::FreeSpin));
      DisableControls();
      return;
    case InFlight::TimedBonus:
    case InFlight::MegaBonus: {
      // Shown again as it stood; a wheel that had drawn its prize shows that prize.
      const bool mega = record->kind == InFlight::MegaBonus;
      if (mega && restoreMegaWheel_ && record->window.dealt != 0) restoreMegaWheel_(record->window);
      megaWheel_ = record->window;
      d_.Later(
          [this, mega] { OpenTimedBonus(mega ? TimedBonusKind::Mega : TimedBonusKind::Timed); });
      return;
    }
    case InFlight::LevelUp:
      d_.Later([this] { OpenLevelUp([this] { AfterLevelUp(); }); });
      return;
    case InFlight::Spin:
    case InFlight::SpinPaid:
    case InFlight::Bonus:
      ResumeGameRecord(record->kind);
      DisableControls();
      d_.Later([this] { ContinueInterrupted(); });
      return;
  }
}

void MainWindow::ContinueInterrupted() {
  const ResumeRecord* record = resume_.current();
  if (record == nullptr) return;
  if (record->kind == InFlight::Spin) {
    // All of the stop schedule's advances at once: the same draws as the animation makes.
    AdvanceReels(m_.Reels, kStopSchedule, m_.Rng);
    LoadCellPictures();
    EndSpin();
    return;
  }
  const ResumeRecord resumed = *record;
  cycle_.FindLinesOf(m_.Reels);  // the spin's winning lines, shown again
  DrawWinningLines();
  if (bonus_ == nullptr) return FinishSpin();
  if (resumed.kind == InFlight::SpinPaid)
    bonus_->RunBonus([this] { FinishSpin(); });
  else
    bonus_->ResumeBonus(resumed, [this] { FinishSpin(); });
}

}  // namespace tarvolenka
