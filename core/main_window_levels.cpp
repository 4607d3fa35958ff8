// Levels and the hourly timed bonus of the main window.

#include "core/arith.h"
#include "core/main_window.h"

namespace tarvolenka {

void TForm1::CheckLevelUp() {
  GameState& s = m_.State;
  if (s.Experience < s.NextLevelExperience || s.Level >= kTopLevel) return;
  s.Level += 1;
  s.MaxLineStake = WrapMul32(s.Level, 10);
  s.LevelStartExperience = s.Experience;
  // The next threshold grows from the old one, not from where the player stands now.
  s.NextLevelExperience = SatAdd(s.NextLevelExperience, std::int64_t{s.Level} * 20000);
  s.TimedBonusAmount = std::int64_t{s.Level} * 100;
  s.MegaBonusCeiling = std::int64_t{s.Level} * 2000;
  d_.ShowModal(WindowId::Level);
  RefreshDisplay();
  SaveGame();
}

void TForm1::Timer4Timer() {
  UpdateBonusCountdown();
}

void TForm1::UpdateBonusCountdown() {
  const DateTime now = d_.NowLocal();
  d_.SetText(Ref(MainEl::BonusTime11), FormatDistance(m_.State.BonusDueTime, now));
  d_.SetVisible(Ref(MainEl::ImageVzemiBonus), IsDue(now, m_.State.BonusDueTime));
}

void TForm1::ShowBonusStage() {
  if (m_.State.BonusStage > 5) m_.State.BonusStage = 0;
  SetPicture(MainEl::ImageBonus0, BonusStagePicture(m_.State.BonusStage));
}

void TForm1::ImageVzemiBonusClick() {
  // Taken only while the reels rest: a spin ending inside the bonus window would overwrite
  // the bonus in LastWin and pay the spin's win twice.
  if (d_.IsTimerRunning(TimerOf(MainTimer::Timer1)) || m_.FreeSpins > 0) return;
  PauseAutoPlay();
  GameState& s = m_.State;
  s.JokerUses = 0;
  ShowBonusStage();
  s.LastWin = 0;
  d_.ShowModal(s.BonusStage == 5 ? WindowId::MegaBonus : WindowId::TimedBonus);
  s.Balance = SatAdd(s.Balance, s.LastWin);
  RefreshDisplay();
  s.BonusDueTime = PlusOneHour(d_.NowLocal());
  s.BonusStage = static_cast<std::uint8_t>((s.BonusStage + 1) % 6);
  ShowBonusStage();
  SaveGame();
  ResumeAutoPlay();
}

}  // namespace tarvolenka
