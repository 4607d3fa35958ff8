#pragma once

// The ports through which the game logic reaches its windows, its time, the loudspeaker and the
// player's attention. The logic never sees the toolkit: the program plugs in the Qt desktop, the
// tests a virtual one with a virtual clock. A part of the logic that needs one of them takes
// that one alone.

#include "core/message_port.h"
#include "core/sound_port.h"
#include "core/time_port.h"
#include "core/window_port.h"

namespace tarvolenka {

class Desktop : public WindowPort, public TimePort, public SoundPort, public MessagePort {};

}  // namespace tarvolenka
