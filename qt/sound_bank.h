#pragma once

#include "catalogue/cues.h"

namespace tarvolenka::qt {

// The sound cues as the audio system plays them. It lives in a module of its own, loaded when
// the first cue is near: Qt Multimedia and the audio libraries under it cost start-up time and
// memory that a game nobody has touched yet does not need.
class SoundBank {
 public:
  virtual ~SoundBank() = default;
  // Plays `cue` without blocking; a new cue cuts the one still playing.
  virtual void Play(Cue cue) = 0;
  // The loudness of every cue as the player hears it, 0 to 1.
  virtual void SetVolume(float loudness) = 0;
};

// The module's one entry: a bank of every cue, or null when the machine has no audio output.
using OpenSoundBank = SoundBank* (*)();
inline constexpr const char* kOpenSoundBankName = "tarvolenka_open_sound_bank";

}  // namespace tarvolenka::qt
