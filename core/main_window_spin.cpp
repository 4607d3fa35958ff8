// The spin cycle: starting a paid or free spin, the animation with its stop schedule, the end
// of a spin with its pay, bonus and free spins, and auto-play.

#include "core/main_window.h"
#include "core/reseed.h"

namespace tarvolenka {

void MainWindow::Start() {
  if (m_.StartEnabled == 0) return;
  PauseAutoPlay();
  // Refused silently when the balance is short; a pending auto-play spin is cancelled.
  if (!cycle_.StakePaidSpin(m_.State)) return;
  RefreshDisplay();
  BeginGameRecord();
  StartSpin();
  ResumeAutoPlay();
}

void MainWindow::OnFreeSpinDue() {
  cycle_.TakeFreeSpin(m_.State);
  RefreshDisplay();
  StartSpin();
  d_.StopTimer(TimerOf(MainTimer::FreeSpin));
}

void MainWindow::StartSpin() {
  ReseedFromClock(d_, m_.Rng);
  RecordInFlight(InFlight::Spin);
  spin_.Start();
  d_.SetTimerInterval(TimerOf(MainTimer::Spin), durations::kSpinTickStart);
  d_.StartTimer(TimerOf(MainTimer::Spin));
  d_.StopTimer(TimerOf(MainTimer::IdleRepaint));
  DisableControls();
}

void MainWindow::OnSpinTick() {
  const SpinTick tick = spin_.Tick(m_.Reels, m_.Rng);
  if (tick.advanced) LoadCellPictures();
  if (tick.click) PlayCue(Cue::Click);
  if (tick.ended) return EndSpin();
  d_.SetTimerInterval(TimerOf(MainTimer::Spin), tick.period);
  DrawReels();
}

void MainWindow::EndSpin() {
  d_.StopTimer(TimerOf(MainTimer::Spin));
  spin_.Rest();
  d_.StartTimer(TimerOf(MainTimer::IdleRepaint));

  if (cycle_.PayLines(m_.Reels, m_.State) > 0) {
    PlayCue(Cue::Cuckoo);
    AnnounceWin();
    DrawWinningLines();
  }
  RefreshDisplay();
  RecordInFlight(InFlight::SpinPaid);

  if (bonus_ == nullptr) return FinishSpin();
  bonus_->RunBonus([this] { FinishSpin(); });
}

void MainWindow::FinishSpin() {
  cycle_.AwardFreeSpins(m_.Reels);
  // Every spin's accounting reaches the disk: at rest with the final save, with free spins
  // waiting beside the resume record that plays them after an interruption.
  RecordSpinEnd();
  if (cycle_.freeSpins() > 0) SaveGame();
  RecordSpinInHistory();
  if (cycle_.freeSpins() > 0) {
    spin_.SetStep(kFreeSpinStep);
    d_.StartTimer(TimerOf(MainTimer::FreeSpin));
    DisableControls();
    RefreshDisplay();
  } else {
    EnableControls();
    CheckLevelUp([this] { AfterLevelUp(); });
    return;
  }
  DrawReels();
}

void MainWindow::AfterLevelUp() {
  spin_.SetStep(kPaidSpinStep);
  if (cycle_.autoPlay()) d_.StartTimer(TimerOf(MainTimer::AutoPlay));
  DrawReels();
}

void MainWindow::OnIdleRepaint() {
  winShow_.Tick();
  DrawReels();
  DrawWinningLines();
}

void MainWindow::ToggleAutoPlay() {
  const bool on = cycle_.ToggleAutoPlay();
  SetPicture(MainEl::AutoPlayBox, on ? MainEl::StoreAutoPlayOn : MainEl::StoreAutoPlayOff);
  if (on) Start();
}

void MainWindow::OnAutoPlayDue() {
  Start();
  d_.StopTimer(TimerOf(MainTimer::AutoPlay));
}

}  // namespace tarvolenka
