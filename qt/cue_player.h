#pragma once

#include <QSoundEffect>
#include <array>
#include <memory>

#include "catalogue/cues.h"

namespace tarvolenka::qt {

// Plays the built-in WAV cues without blocking; a new cue cuts the one still playing. With no
// audio output on the machine every cue is skipped, silently. The audio system is opened and
// the cues loaded a moment after start, once the first frame is up, or at the first cue.
class CuePlayer {
 public:
  CuePlayer();
  ~CuePlayer();
  void Play(Cue cue);
  bool available() {
    Prepare();
    return available_;
  }

 private:
  void Prepare();
  QObject lifetime_;  // ends the pending preparation with the player
  bool prepared_ = false;
  bool available_ = false;
  std::array<std::unique_ptr<QSoundEffect>, kCueCount> effects_;
  QSoundEffect* playing_ = nullptr;
};

}  // namespace tarvolenka::qt
