#pragma once

#include <QLibrary>
#include <memory>

#include "catalogue/cues.h"
#include "qt/sound_bank.h"

namespace tarvolenka::qt {

// Plays the built-in WAV cues without blocking; a new cue cuts the one still playing. With no
// audio output on the machine, or no sound module beside the program, every cue is skipped,
// silently. The sound module is loaded and the audio system opened at the player's first
// press of a key or button, ahead of the cue it brings, or at the first cue.
class CuePlayer {
 public:
  CuePlayer();
  ~CuePlayer();
  void Play(Cue cue);
  // 0 to 100 %; kept for a bank not yet opened.
  void SetVolume(int percent);
  // Opens the audio system now, if it is not open yet.
  void Prepare();
  bool available() {
    Prepare();
    return bank_ != nullptr;
  }

 private:
  bool prepared_ = false;
  int volume_ = 100;
  QLibrary module_;
  std::unique_ptr<SoundBank> bank_;
};

}  // namespace tarvolenka::qt
