// Levels and the hourly timed bonus of the main window.

#include "core/level_rules.h"
#include "core/main_window.h"

namespace tarvolenka {

void MainWindow::CheckLevelUp(const std::function<void()>& done) {
  if (!LevelRules(m_.State).RaiseIfDue()) return done();
  // The level is reached and its award not yet paid: a death before OK shows it again.
  RecordInFlight(InFlight::LevelUp);
  OpenLevelUp(done);
}

void MainWindow::OpenLevelUp(const std::function<void()>& done) {
  // The badge and the bar behind the window show the level reached, not past its threshold.
  ShowLevel();
  d_.Open(WindowId::LevelUp, [this, done] {
    ClearSpinWin();
    RefreshDisplay();
    Settle();
    RecordAward("level_up", m_.State.LastWin);
    done();
  });
}

void MainWindow::OnCountdownTick() {
  UpdateBonusCountdown();
}

void MainWindow::UpdateBonusCountdown() {
  const DateTime now = d_.NowLocal();
  BringTimedBonusWithinTheHour(now);
  const bool due = IsDue(now, m_.State.BonusDueTime);
  d_.SetText(Ref(MainEl::TimedBonusCountdown), FormatCountdown(m_.State.BonusDueTime, now));
  // The button covers the countdown while the bonus waits: counting on unseen under it would
  // repaint the panel every second of an idle game.
  d_.SetVisible(Ref(MainEl::TimedBonusCountdown), !due);
  d_.SetVisible(Ref(MainEl::TakeBonusButton), due);
}

void MainWindow::ShowBonusStage() {
  SetPicture(MainEl::BonusStage, BonusStagePicture(TimedBonusRules(m_.State).Stage()));
}

void MainWindow::TakeTimedBonus() {
  // Taken only while the reels rest: a spin ending inside the bonus window would overwrite
  // the bonus in LastWin and pay the spin's win twice.
  if (d_.IsTimerRunning(TimerOf(MainTimer::Spin)) || cycle_.freeSpins() > 0) return;
  PauseAutoPlay();
  const TimedBonusKind kind = TimedBonusRules(m_.State).Take();
  megaWheel_ = {};  // nothing dealt yet: a resumed mega bonus deals from the recorded seed
  RecordInFlight(kind == TimedBonusKind::Mega ? InFlight::MegaBonus : InFlight::TimedBonus);
  OpenTimedBonus(kind);
}

void MainWindow::OpenTimedBonus(TimedBonusKind kind) {
  ClearReels();  // the bonus is its own moment: the old spin's lines do not stay behind it
  ShowBonusStage();
  d_.Open(kind == TimedBonusKind::Mega ? WindowId::MegaBonus : WindowId::TimedBonus,
          [this] { PayTimedBonus(); });
}

void MainWindow::MegaWheelMoved(const BonusWindowState& wheel) {
  megaWheel_ = wheel;
  RecordInFlight(InFlight::MegaBonus);
}

void MainWindow::PayTimedBonus() {
  const bool mega = TimedBonusRules(m_.State).Pay(d_.NowLocal());
  ClearSpinWin();
  RefreshDisplay();
  ShowBonusStage();
  Settle();
  RecordAward(mega ? "mega_bonus" : "timed_bonus", m_.State.LastWin);
  ResumeAutoPlay();
}

}  // namespace tarvolenka
