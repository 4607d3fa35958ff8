// The spin cycle: starting a paid or free spin, the animation with its stop schedule, the end
// of a spin with its pay, bonus and free spins, and auto-play.

#include "core/arith.h"
#include "core/free_spins.h"
#include "core/main_window.h"
#include "core/reseed.h"

namespace tarvolenka {

void MainWindow::Start() {
  if (m_.StartEnabled == 0) return;
  PauseAutoPlay();
  m_.WinningLines.fill(0);
  GameState& s = m_.State;
  const std::int64_t stake = Widen(s.TotalStake);
  if (s.Balance < stake) return;  // refused silently; a pending auto-play spin is cancelled
  s.Balance -= stake;
  s.Experience = SatAdd(s.Experience, stake);
  RefreshDisplay();
  BeginGameRecord();
  StartSpin();
  ResumeAutoPlay();
}

void MainWindow::OnFreeSpinDue() {
  m_.FreeSpins -= 1;
  m_.WinningLines.fill(0);
  m_.State.Experience = SatAdd(m_.State.Experience, Widen(m_.State.TotalStake));
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

  GameState& s = m_.State;
  s.LastWin = EvaluateLines(m_.Reels, m_.WinningLines);
  if (s.LastWin > 0) {
    PlayCue(Cue::Cuckoo);
    s.LastWin = SatMul(s.LastWin, Widen(s.LineStake));
    s.Balance = SatAdd(s.Balance, s.LastWin);
    AnnounceWin();
    DrawWinningLines();
  }
  RefreshDisplay();
  RecordInFlight(InFlight::SpinPaid);

  if (bonus_ == nullptr) return FinishSpin();
  bonus_->RunBonus([this] { FinishSpin(); });
}

void MainWindow::FinishSpin() {
  m_.FreeSpins += FreeSpinsFor(CountVisible(m_.Reels, kScatterSymbol));
  // Every spin's accounting reaches the disk: at rest with the final save, with free spins
  // waiting beside the resume record that plays them after an interruption.
  RecordSpinEnd();
  if (m_.FreeSpins > 0) SaveGame();
  RecordSpinInHistory();
  if (m_.FreeSpins > 0) {
    spin_.SetStep(kFreeSpinStep);
    d_.StartTimer(TimerOf(MainTimer::FreeSpin));
    DisableControls();
    RefreshDisplay();
  } else {
    EnableControls();
    CheckLevelUp([this] {
      spin_.SetStep(kPaidSpinStep);
      if (m_.AutoPlay == 1) d_.StartTimer(TimerOf(MainTimer::AutoPlay));
      DrawReels();
    });
    return;
  }
  DrawReels();
}

void MainWindow::OnIdleRepaint() {
  winShow_.Tick();
  DrawReels();
  DrawWinningLines();
}

void MainWindow::ToggleAutoPlay() {
  m_.AutoPlay = static_cast<std::uint8_t>(1 - m_.AutoPlay);
  SetPicture(MainEl::AutoPlayBox,
             m_.AutoPlay == 1 ? MainEl::StoreAutoPlayOn : MainEl::StoreAutoPlayOff);
  if (m_.AutoPlay == 1) Start();
}

void MainWindow::OnAutoPlayDue() {
  Start();
  d_.StopTimer(TimerOf(MainTimer::AutoPlay));
}

}  // namespace tarvolenka
