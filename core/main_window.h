#pragma once

#include <cstdint>

#include "catalogue/main_elements.h"
#include "core/desktop.h"
#include "core/machine.h"
#include "core/save_file.h"

namespace tarvolenka {

// The bonus step of the end of a spin, played by the bonus games.
class BonusStep {
 public:
  virtual ~BonusStep() = default;
  virtual void RunBonus() = 0;
};

// The main window: the machine's own game. Owns the machine state for the whole run.
class TForm1 : public WindowLogic {
 public:
  TForm1(Desktop& desktop, Machine& machine, SaveFile save);

  void SetBonusStep(BonusStep* bonus) { bonus_ = bonus; }

  // Window events.
  void FormShow() override;
  void FormClose() override;
  void Click(std::uint16_t handler, int number) override;
  void TimerTick(std::uint8_t timer) override;

  // Handlers, by element.
  void ImageStartClick();
  void ImageKlechkaClick();
  void ImageDoubleClick();
  void ImageTablicaClick();
  void ImageSoundClick();
  void ImageLinesPlusClick();
  void ImageLinesMinusClick();
  void ImageKanalPlusClick();
  void ImageKanalMinusClick();
  void ImageVzemiBonusClick();
  void Timer1Timer();
  void Timer2Timer();
  void Timer3Timer();
  void Timer4Timer();
  void Timer5Timer();

  // Operations other windows and the tests use.
  void RefreshDisplay();
  void EnableControls();
  void DisableControls();
  void LoadGame();
  void SaveGame();
  void LoadCellPictures();
  void DrawReels();
  void DrawWinningLines();
  void ShowBonusStage();
  void UpdateBonusCountdown();
  void CheckLevelUp();

  Machine& machine() { return m_; }
  const SaveFile& saveFile() const { return save_; }

 private:
  void StartSpin();  // the part shared by paid and free spins
  void EndSpin();
  void SetPicture(MainEl element, MainEl source);
  void PlayCue(Cue cue);
  void RunModalPausingAutoPlay(WindowId window);
  void PauseAutoPlay();
  void ResumeAutoPlay();

  Desktop& d_;
  Machine& m_;
  SaveFile save_;
  BonusStep* bonus_ = nullptr;
};

}  // namespace tarvolenka
