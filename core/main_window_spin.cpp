// The spin cycle: starting a paid or free spin, the animation with its stop schedule, the end
// of a spin with its pay, bonus and free spins, and auto-play.

#include "core/arith.h"
#include "core/free_spins.h"
#include "core/main_window.h"
#include "core/reseed.h"
#include "core/spin_schedule.h"

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
  m_.ReelSpinning.fill(1);
  d_.SetTimerInterval(TimerOf(MainTimer::Spin), durations::kSpinTickStart);
  d_.StartTimer(TimerOf(MainTimer::Spin));
  d_.StopTimer(TimerOf(MainTimer::IdleRepaint));
  DisableControls();
}

void MainWindow::OnSpinTick() {
  m_.SpinOffset += m_.SpinStep;
  if (m_.SpinOffset > 0) {
    m_.SpinOffset = kRestOffset;
    AdvanceReels(m_.Reels, m_.ReelSpinning, m_.Rng);
    LoadCellPictures();
    m_.SpinAdvances += 1;
  }
  if (m_.SpinOffset == kRestOffset) PlayCue(Cue::Click);
  if (m_.SpinAdvances > 20) {
    EndSpin();
    return;
  }
  d_.SetTimerInterval(TimerOf(MainTimer::Spin), TickPeriod(m_.SpinAdvances));
  const int stopped = ReelsStopped(m_.SpinAdvances);
  for (int reel = 1; reel <= kReels; ++reel) {
    const auto i = static_cast<std::size_t>(reel - 1);
    if (reel <= stopped) {
      m_.ReelSpinning[i] = 0;
      m_.ReelOffset[i] = kRestOffset;
    } else {
      m_.ReelOffset[i] = m_.SpinOffset;
    }
  }
  DrawReels();
}

void MainWindow::EndSpin() {
  d_.StopTimer(TimerOf(MainTimer::Spin));
  m_.SpinAdvances = 0;
  m_.SpinOffset = kRestOffset;
  m_.ReelOffset.fill(kRestOffset);
  m_.ReelSpinning.fill(0);
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
    m_.SpinStep = 25;
    d_.StartTimer(TimerOf(MainTimer::FreeSpin));
    DisableControls();
    RefreshDisplay();
  } else {
    EnableControls();
    CheckLevelUp([this] {
      m_.SpinStep = 10;
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
