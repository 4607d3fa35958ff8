// The main window's life: events, start-up, shutdown and the save points it owns.

#include "core/main_window.h"

#include <string>

#include "core/arith.h"
#include "core/reseed.h"
#include "core/sound.h"

namespace tarvolenka {

TForm1::TForm1(Desktop& desktop, Machine& machine, SaveFile save)
    : d_(desktop), m_(machine), save_(std::move(save)) {}

void TForm1::Click(std::uint16_t handler, int /*number*/) {
  // clang-format off
  switch (static_cast<MainClick>(handler)) {
    case MainClick::None: return;
    case MainClick::ImageDoubleClick: return ImageDoubleClick();
    case MainClick::ImageStartClick: return ImageStartClick();
    case MainClick::ImageTablicaClick: return ImageTablicaClick();
    case MainClick::ImageLinesPlusClick: return ImageLinesPlusClick();
    case MainClick::ImageLinesMinusClick: return ImageLinesMinusClick();
    case MainClick::ImageKanalPlusClick: return ImageKanalPlusClick();
    case MainClick::ImageKanalMinusClick: return ImageKanalMinusClick();
    case MainClick::ImageVzemiBonusClick: return ImageVzemiBonusClick();
    case MainClick::ImageSoundClick: return ImageSoundClick();
    case MainClick::ImageKlechkaClick: return ImageKlechkaClick();
  }
  // clang-format on
}

void TForm1::TimerTick(std::uint8_t timer) {
  // clang-format off
  switch (static_cast<MainTimer>(timer)) {
    case MainTimer::Timer1: return Timer1Timer();
    case MainTimer::Timer2: return Timer2Timer();
    case MainTimer::Timer3: return Timer3Timer();
    case MainTimer::Timer4: return Timer4Timer();
    case MainTimer::Timer5: return Timer5Timer();
    case MainTimer::Count: return;
  }
  // clang-format on
}

void TForm1::FormShow() {
  LoadGame();
  RefreshDisplay();
  m_.FreeSpins = 0;
  d_.SetText(Ref(MainEl::FreeSpins1), "");
  d_.SetVisible(Ref(MainEl::FreeSpins1), false);
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
  SetPicture(MainEl::ImageDouble, MainEl::Image19);
  ShowBonusStage();
  if (m_.State.LineStake == m_.State.MaxLineStake) {
    m_.KanalPlusEnabled = 0;
    SetPicture(MainEl::ImageKanalPlus, MainEl::Image23);
  }
  SetPicture(MainEl::ImageSound,
             m_.State.SoundOn == 1 ? MainEl::ImageSoundON : MainEl::ImageSoundOFF);
  m_.SpinStep = 10;
  m_.AutoPlay = 0;
}

void TForm1::FormClose() {
  // Ending the program while the double-up is open counts as collecting: the amount in hand
  // was taken from the balance when the window opened and belongs to the player.
  if (d_.IsShown(WindowId::Double)) {
    m_.State.Balance = SatAdd(m_.State.Balance, m_.DoubleAmount);
    m_.DoubleAmount = 0;
  }
  SaveGame();
}

void TForm1::LoadGame() {
  const DateTime now = d_.NowLocal();
  if (auto bytes = save_.Read()) {
    m_.State = Decode(*bytes);
    RepairGameState(m_.State, now);
    return;
  }
  m_.State = NewGameState(now);
  SetPicture(MainEl::ImageSound, MainEl::ImageSoundON);
  SaveGame();
}

void TForm1::SaveGame() {
  save_.Write(Encode(m_.State));
}

void TForm1::SetPicture(MainEl element, MainEl source) {
  d_.CopyPicture(Ref(element), Ref(source));
}

void TForm1::PlayCue(Cue cue) {
  tarvolenka::PlayCue(d_, m_.State, cue);
}

void TForm1::PauseAutoPlay() {
  m_.AutoPlayTimerWasOn = d_.IsTimerRunning(TimerOf(MainTimer::Timer5)) ? 1 : 0;
  d_.StopTimer(TimerOf(MainTimer::Timer5));
}

void TForm1::ResumeAutoPlay() {
  if (m_.AutoPlayTimerWasOn == 1) d_.StartTimer(TimerOf(MainTimer::Timer5));
}

void TForm1::RunModalPausingAutoPlay(WindowId window) {
  PauseAutoPlay();
  d_.ShowModal(window);
  ResumeAutoPlay();
}

}  // namespace tarvolenka
