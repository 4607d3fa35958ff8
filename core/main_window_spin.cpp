// The spin cycle: starting a paid or free spin, the animation with its stop schedule, the end
// of a spin with its pay, bonus and free spins, and auto-play.

#include <limits>
#include <optional>
#include <string>

#include "core/bonus_trigger.h"
#include "core/main_window.h"
#include "core/reseed.h"

namespace tarvolenka {

// The player's START: pressed again while the reels turn, it stops them. Auto-play's own start
// never does.
void MainWindow::PressStart() {
  if (d_.IsTimerRunning(TimerOf(MainTimer::Spin))) return StopReels();
  Start();
}

void MainWindow::Start() {
  if (m_.StartEnabled == 0) return;
  const std::int64_t pressedAt = d_.SteadyMicros();
  PauseAutoPlay();
  // Refused silently when the balance is short; a pending auto-play spin is cancelled.
  if (!cycle_.StakePaidSpin(m_.State)) return;
  doubleReturned_.reset();
  cycle_.CountAutoPlaySpin();
  ShowAutoPlay();
  RefreshDisplay();
  BeginGameRecord();
  // The run's next spin is timed again once this one is over: a timer left running could
  // fire after a stopped or quick spin, under a window the spin's end opens.
  StartSpin(pressedAt);
}

void MainWindow::OnFreeSpinDue() {
  const std::int64_t dueAt = d_.SteadyMicros();
  cycle_.TakeFreeSpin(m_.State);
  RefreshDisplay();
  StartSpin(dueAt);
  d_.StopTimer(TimerOf(MainTimer::FreeSpin));
}

void MainWindow::SetQuickSpin(bool quick) {
  tempo_ = quick ? durations::kQuickTempo : durations::kNormalTempo;
  const auto gap = [this](int ms) { return static_cast<int>(std::int64_t{ms} * tempo_ / 1000); };
  d_.SetTimerInterval(TimerOf(MainTimer::FreeSpin), gap(durations::kFreeSpinPause));
  d_.SetTimerInterval(TimerOf(MainTimer::AutoPlay), gap(durations::kAutoPlayPause));
}

void MainWindow::StartSpin(std::int64_t pressedAt) {
  nextSpinTickAt_ = pressedAt + std::int64_t{durations::kSpinTickStart} * tempo_;
  ReseedFromClock(d_, m_.Rng);
  winShow_.Clear();
  RecordInFlight(InFlight::Spin);
  spin_.Start();
  d_.SetTimerInterval(TimerOf(MainTimer::Spin), durations::kSpinTickStart);
  d_.StartTimer(TimerOf(MainTimer::Spin));
  d_.StopTimer(TimerOf(MainTimer::IdleRepaint));
  DisableControls();
  SetPicture(MainEl::StartButton, MainEl::StoreStart);  // lit: pressed again, it stops the reels
}

// The advances still to come are played at once, in their order, with the same draws: the reels
// land where the whole spin would have left them, and the spin ends as usual.
void MainWindow::StopReels() {
  nextSpinTickAt_ = std::numeric_limits<std::int64_t>::min() / 2;  // every tick is due
  OnSpinTick();
}

// Every tick the schedule has made due by now is played, in order: a late timer is caught up,
// so the spin lasts the schedule's time however busy the machine. The reels are drawn once.
void MainWindow::OnSpinTick() {
  const std::int64_t now = d_.SteadyMicros();
  bool advanced = false;
  bool click = false;
  while (nextSpinTickAt_ <= now) {
    const SpinTick tick = spin_.Tick(m_.Reels, m_.Rng);
    advanced = advanced || tick.advanced;
    click = click || tick.click;
    if (tick.ended) {
      if (advanced) LoadCellPictures();
      if (click) PlayCue(Cue::Click);
      return EndSpin();
    }
    nextSpinTickAt_ += std::int64_t{tick.period} * tempo_;
  }
  if (advanced) LoadCellPictures();
  if (click) PlayCue(Cue::Click);
  // The timer's next period reaches the next due tick, rounded up to its milliseconds.
  d_.SetTimerInterval(TimerOf(MainTimer::Spin),
                      static_cast<int>((nextSpinTickAt_ - now + 999) / 1000));
  DrawReels();
}

void MainWindow::EndSpin() {
  d_.StopTimer(TimerOf(MainTimer::Spin));
  spin_.Rest();
  d_.StartTimer(TimerOf(MainTimer::IdleRepaint));

  winShow_.MarkFeatures(bonus_ != nullptr);
  if (cycle_.PayLines(m_.Reels, m_.State) > 0) {
    PlayCue(Cue::Cuckoo);
    AnnounceWin();
  }
  DrawWinningLines();
  RefreshDisplay();
  RecordInFlight(InFlight::SpinPaid);

  if (bonus_ == nullptr) return FinishSpin();
  bonus_->RunBonus([this] { FinishSpin(); });
}

bool MainWindow::BonusOpened() const {
  return bonus_ != nullptr && OpensBonus(CountVisible(m_.Reels, kBonusSymbol));
}

void MainWindow::AnnounceWin() {
  ShowMoment(
      {MomentKind::Win, m_.State.LastWin, BigWinTier(m_.State.LastWin, m_.State.TotalStake)});
}

void MainWindow::ShowMoment(const Moment& moment) {
  winShow_.Restart(moment);
  d_.StartTimer(TimerOf(MainTimer::IdleRepaint));
}

void MainWindow::FinishSpin() {
  const bool bonusOpened = BonusOpened();
  cycle_.NoteSpinEnd(m_.State.LastWin, bonusOpened);
  const bool inRound = cycle_.freeRound().has_value();
  // The moment after the spin: free spins won, else the round's pay once its last spin is
  // over, else a bonus's win told again with the lines' as the spin's whole win.
  if (const int awarded = cycle_.AwardFreeSpins(m_.Reels); awarded > 0) {
    ShowMoment({MomentKind::FreeSpinsWon, awarded, 0, inRound});
  } else if (const std::optional<FreeRound> round = cycle_.CloseFreeRound();
             round && round->whole && round->taken > 0) {
    ShowMoment(
        {MomentKind::FreeRoundPaid, round->paid, BigWinTier(round->paid, m_.State.TotalStake)});
  } else if (bonusOpened && m_.State.LastWin > 0) {
    AnnounceWin();
  }
  ShowFreeRound();
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
  if (cycle_.autoPlay()) {
    if (cycle_.AutoPlayGoesOn(m_.State.Balance)) d_.StartTimer(TimerOf(MainTimer::AutoPlay));
    ShowAutoPlay();
  }
  DrawReels();
}

// The win show plays on idle repaints, each drawing only when its picture changes; once it is
// over the frames would repeat, and the timer rests until the display changes again.
void MainWindow::OnIdleRepaint() {
  const bool changes = winShow_.Tick(cycle_.winningLines());
  const bool showing = winShow_.Showing(cycle_.winningLines());
  // A repaint the display asked for draws once, and the timer rests after it.
  if (changes || !showing) Redraw();
  if (!showing) d_.StopTimer(TimerOf(MainTimer::IdleRepaint));
}

void MainWindow::Redraw() {
  DrawReels();
  DrawWinningLines();
}

void MainWindow::ToggleAutoPlay() {
  const bool on = cycle_.ToggleAutoPlay();
  ShowAutoPlay();
  if (on) Start();
}

void MainWindow::ShowAutoPlay() {
  SetPicture(MainEl::AutoPlayBox,
             cycle_.autoPlay() ? MainEl::StoreAutoPlayOn : MainEl::StoreAutoPlayOff);
  const std::optional<std::int64_t> left = cycle_.autoPlaySpinsLeft();
  if (left) d_.SetText(Ref(MainEl::AutoPlaySpinsLeft), std::to_string(*left));
  d_.SetVisible(Ref(MainEl::AutoPlaySpinsLeft), left.has_value());
}

void MainWindow::ApplyPlaySettings(const PlaySettings& settings) {
  SetQuickSpin(settings.quickSpin);
  cycle_.SetAutoPlayChoices(settings.autoPlay);
  d_.SetVolume(settings.volumePercent);
}

void MainWindow::OnAutoPlayDue() {
  Start();
  d_.StopTimer(TimerOf(MainTimer::AutoPlay));
}

}  // namespace tarvolenka
