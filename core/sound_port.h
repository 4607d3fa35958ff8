#pragma once

// The loudspeaker.

#include "catalogue/cues.h"

namespace tarvolenka {

class SoundPort {
 public:
  virtual ~SoundPort() = default;

  // Starts a sound cue and returns at once, cutting any cue still playing.
  virtual void PlayCue(Cue cue) = 0;
  // The cues' loudness, 0 to 100 %; the sound switch silences them whatever it is.
  virtual void SetVolume(int percent) = 0;
};

}  // namespace tarvolenka
