// Building blocks of the synthesiser: struck (decaying) partials, sustained harmonic tones and
// filtered noise bursts, all mixed into a floating-point buffer.
#pragma once

#include <span>
#include <vector>

#include "tools/sounds/biquad.h"
#include "tools/sounds/rng.h"

namespace tarvolenka::sounds {

using Signal = std::vector<double>;

double MidiToHz(double note);

// Smooth 0→1 ramp over x in [0, 1]; clamps outside. Used for every fade so none of them clicks.
double RaisedCosine(double x);

// Gain for a partial at `hz`: 1 up to 40 % of the rate, easing to 0 at 45 %. Partials are never
// generated at or above the ceiling, so nothing folds back below Nyquist, and a gliding partial
// fades out instead of switching off with a click.
double PartialWeight(double hz, double rate);

// One mode of a struck object: frequency as a ratio of the fundamental, level, and the time
// constant of its exponential decay.
struct Partial {
  double ratio;
  double gain;
  double decay_s;
};

// A struck, freely ringing object: every partial starts together after a short attack.
void AddStruck(Signal& out, double rate, double start_s, double hz,
               std::span<const Partial> partials, double gain, double attack_s);

// Noise through `filter`, with a fast attack and exponential decay: the contact noise of a hit.
void AddNoiseBurst(Signal& out, double rate, double start_s, double gain, double attack_s,
                   double decay_s, Biquad filter, Rng& rng);

// How a sustained tone moves: its amplitude envelope and its pitch inflections.
struct ToneShape {
  double attack_s = 0.01;
  double release_s = 0.05;
  double sag_s = 0.0;            // Exponential fall while held; 0 keeps the level flat.
  double glide_semitones = 0.0;  // Pitch change spread over the whole note.
  double scoop_cents = 0.0;      // Starts this much flat and rises into tune...
  double scoop_s = 0.0;          // ...over this long, as a brass player's lip does.
  double vibrato_hz = 0.0;
  double vibrato_cents = 0.0;
  double vibrato_delay_s = 0.0;  // Vibrato grows in after this, so short notes stay plain.
};

// Level of harmonic `n` (1 = fundamental) when the envelope is at `level` in [0, 1]; letting the
// spectrum depend on the level gives brass its brighter-when-louder attack.
using Spectrum = double (*)(int n, double level);

struct Tone {
  double start_s;
  double duration_s;
  double hz;
  double gain;
};

void AddTone(Signal& out, double rate, const Tone& tone, const ToneShape& shape, Spectrum spectrum);

}  // namespace tarvolenka::sounds
