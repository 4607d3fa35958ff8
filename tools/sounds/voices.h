// The sound design of each cue, rendered at full floating-point precision into `samples` samples
// at `rate`. Levels are relative: the quantiser normalises every cue to the same peak.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tools/sounds/dsp.h"

namespace tarvolenka::sounds {

// Short hits (voices_percussive.cpp).
Signal SynthClick(double rate, std::size_t samples, std::uint64_t seed);
Signal SynthMove(double rate, std::size_t samples, std::uint64_t seed);
Signal SynthPick(double rate, std::size_t samples, std::uint64_t seed);

// Pitched signals (voices_tonal.cpp).
Signal SynthCuckoo(double rate, std::size_t samples, std::uint64_t seed);
Signal SynthHit(double rate, std::size_t samples, std::uint64_t seed);
Signal SynthMiss(double rate, std::size_t samples, std::uint64_t seed);

// The fanfare (voice_fanfare.cpp).
Signal SynthDoubleWin(double rate, std::size_t samples, std::uint64_t seed);

}  // namespace tarvolenka::sounds
