#pragma once

#include "core/desktop.h"
#include "core/game_state.h"

namespace tarvolenka {

// Plays a cue when the player's sound switch is on.
inline void PlayCue(Desktop& desktop, const GameState& state, Cue cue) {
  if (state.SoundOn == 1) desktop.PlayCue(cue);
}

}  // namespace tarvolenka
