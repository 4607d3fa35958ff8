#pragma once

#include <QSoundEffect>
#include <array>
#include <memory>

#include "catalogue/cues.h"

namespace tarvolenka::qt {

// Plays the built-in WAV cues without blocking; a new cue cuts the one still playing. With no
// audio output on the machine every cue is skipped, silently.
class CuePlayer {
 public:
  CuePlayer();
  ~CuePlayer();
  void Play(Cue cue);
  bool available() const { return available_; }

 private:
  bool available_ = false;
  std::array<std::unique_ptr<QSoundEffect>, kCueCount> effects_;
  QSoundEffect* playing_ = nullptr;
};

}  // namespace tarvolenka::qt
