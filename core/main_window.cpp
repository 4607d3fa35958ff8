// The main window's life: events, start-up, shutdown and the save points it owns.

#include "core/main_window.h"

#include <string>

#include "core/arith.h"
#include "core/reseed.h"
#include "core/sound.h"

namespace tarvolenka {

MainWindow::MainWindow(Desktop& desktop, Machine& machine, SaveFile save)
    : d_(desktop),
      m_(machine),
      save_(std::move(save)),
      resume_(ResumeFile::BesideSave(save_.path())) {}

void MainWindow::Click(std::uint16_t handler, int /*number*/) {
  // clang-format off
  switch (static_cast<MainClick>(handler)) {
    case MainClick::None: return;
    case MainClick::OpenDoubleUp: return OpenDoubleUp();
    case MainClick::Start: return Start();
    case MainClick::OpenLegend: return OpenLegend();
    case MainClick::LinesUp: return LinesUp();
    case MainClick::LinesDown: return LinesDown();
    case MainClick::StakeUp: return StakeUp();
    case MainClick::StakeDown: return StakeDown();
    case MainClick::TakeTimedBonus: return TakeTimedBonus();
    case MainClick::ToggleSound: return ToggleSound();
    case MainClick::ToggleAutoPlay: return ToggleAutoPlay();
  }
  // clang-format on
}

void MainWindow::TimerTick(std::uint8_t timer) {
  // clang-format off
  switch (static_cast<MainTimer>(timer)) {
    case MainTimer::Spin: return OnSpinTick();
    case MainTimer::IdleRepaint: return OnIdleRepaint();
    case MainTimer::FreeSpin: return OnFreeSpinDue();
    case MainTimer::Countdown: return OnCountdownTick();
    case MainTimer::AutoPlay: return OnAutoPlayDue();
    case MainTimer::Count: return;
  }
  // clang-format on
}

void MainWindow::OnShow() {
  LoadGame();
  RefreshDisplay();
  m_.FreeSpins = 0;
  d_.SetText(Ref(MainEl::FreeSpinsCounter), "");
  d_.SetVisible(Ref(MainEl::FreeSpinsCounter), false);
  m_.State.JokerUses = 0;
  ReseedFromClock(d_, m_.Rng);

  m_.ReelSpinning.fill(1);
  for (int i = 0; i < 4; ++i) AdvanceReels(m_.Reels, m_.ReelSpinning, m_.Rng);
  LoadCellPictures();
  m_.SpinOffset = kRestOffset;
  m_.ReelOffset.fill(kRestOffset);
  DrawReels();

  EnableControls();
  // The double-up is never offered right after start-up, whatever win was saved.
  m_.DoubleEnabled = 0;
  SetPicture(MainEl::DoubleButton, MainEl::StoreDoubleGrey);
  ShowBonusStage();
  if (m_.State.LineStake == m_.State.MaxLineStake) {
    m_.StakePlusEnabled = 0;
    SetPicture(MainEl::StakePlus, MainEl::StorePlusGrey);
  }
  SetPicture(MainEl::SoundSwitch,
             m_.State.SoundOn == 1 ? MainEl::StoreSoundOn : MainEl::StoreSoundOff);
  m_.SpinStep = 10;
  m_.AutoPlay = 0;
  ResumeInterruptedGame();
}

void MainWindow::OnClose() {
  // Ending the program while the double-up is open counts as collecting: the amount in hand
  // was taken from the balance when the window opened and belongs to the player.
  if (d_.IsShown(WindowId::DoubleUp)) {
    m_.State.Balance = SatAdd(m_.State.Balance, m_.DoubleAmount);
    m_.DoubleAmount = 0;
  }
  SaveGame();
}

void MainWindow::LoadGame() {
  const DateTime now = d_.NowLocal();
  if (auto bytes = save_.Read()) {
    m_.State = Decode(*bytes);
    RepairGameState(m_.State, now);
    return;
  }
  m_.State = NewGameState(now);
  SetPicture(MainEl::SoundSwitch, MainEl::StoreSoundOn);
  SaveGame();
}

void MainWindow::SaveGame() {
  const SaveBytes bytes = Encode(m_.State);
  resume_.BeforeSave(bytes);
  resume_.AfterSave(bytes, save_.Write(bytes));
}

void MainWindow::SetPicture(MainEl element, MainEl source) {
  d_.CopyPicture(Ref(element), Ref(source));
}

void MainWindow::PlayCue(Cue cue) {
  tarvolenka::PlayCue(d_, m_.State, cue);
}

void MainWindow::PauseAutoPlay() {
  m_.AutoPlayTimerWasOn = d_.IsTimerRunning(TimerOf(MainTimer::AutoPlay)) ? 1 : 0;
  d_.StopTimer(TimerOf(MainTimer::AutoPlay));
}

void MainWindow::ResumeAutoPlay() {
  if (m_.AutoPlayTimerWasOn == 1) d_.StartTimer(TimerOf(MainTimer::AutoPlay));
}

void MainWindow::RunModalPausingAutoPlay(WindowId window) {
  PauseAutoPlay();
  d_.ShowModal(window);
  ResumeAutoPlay();
}

}  // namespace tarvolenka
