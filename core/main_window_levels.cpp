// Levels and the hourly timed bonus of the main window.

#include "core/arith.h"
#include "core/main_window.h"

namespace tarvolenka {

void MainWindow::CheckLevelUp(const std::function<void()>& done) {
  GameState& s = m_.State;
  if (s.Experience < s.NextLevelExperience || s.Level >= kTopLevel) return done();
  s.Level += 1;
  s.MaxLineStake = WrapMul32(s.Level, 10);
  s.LevelStartExperience = s.Experience;
  // The next threshold grows from the old one, not from where the player stands now.
  s.NextLevelExperience = SatAdd(s.NextLevelExperience, std::int64_t{s.Level} * 20000);
  s.TimedBonusAmount = std::int64_t{s.Level} * 100;
  s.MegaBonusCeiling = std::int64_t{s.Level} * 2000;
  d_.Open(WindowId::LevelUp, [this, done] {
    RefreshDisplay();
    SaveGame();
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
  d_.SetText(Ref(MainEl::TimedBonusCountdown), FormatCountdown(m_.State.BonusDueTime, now));
  d_.SetVisible(Ref(MainEl::TakeBonusButton), IsDue(now, m_.State.BonusDueTime));
}

void MainWindow::ShowBonusStage() {
  if (m_.State.BonusStage > 5) m_.State.BonusStage = 0;
  SetPicture(MainEl::BonusStage, BonusStagePicture(m_.State.BonusStage));
}

void MainWindow::TakeTimedBonus() {
  // Taken only while the reels rest: a spin ending inside the bonus window would overwrite
  // the bonus in LastWin and pay the spin's win twice.
  if (d_.IsTimerRunning(TimerOf(MainTimer::Spin)) || m_.FreeSpins > 0) return;
  PauseAutoPlay();
  GameState& s = m_.State;
  s.JokerUses = 0;
  ShowBonusStage();
  s.LastWin = 0;
  d_.Open(s.BonusStage == 5 ? WindowId::MegaBonus : WindowId::TimedBonus,
          [this] { PayTimedBonus(); });
}

void MainWindow::PayTimedBonus() {
  GameState& s = m_.State;
  s.Balance = SatAdd(s.Balance, s.LastWin);
  RefreshDisplay();
  s.BonusDueTime = PlusOneHour(d_.NowLocal());
  s.BonusStage = static_cast<std::uint8_t>((s.BonusStage + 1) % 6);
  ShowBonusStage();
  SaveGame();
  RecordAward(s.BonusStage == 0 ? "mega_bonus" : "timed_bonus", s.LastWin);
  ResumeAutoPlay();
}

}  // namespace tarvolenka
