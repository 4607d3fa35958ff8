#pragma once

#include "core/game_state.h"
#include "core/sound_port.h"

namespace tarvolenka {

// Plays a cue when the player's sound switch is on.
inline void PlayCue(SoundPort& speaker, const GameState& state, Cue cue) {
  if (state.SoundOn == 1) speaker.PlayCue(cue);
}

}  // namespace tarvolenka
