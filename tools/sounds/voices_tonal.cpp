#include <array>
#include <cmath>

#include "tools/sounds/voices.h"

namespace tarvolenka::sounds {
namespace {

// A cuckoo clock's call comes from two small stopped pipes: mostly fundamental, some odd
// harmonics, hardly any even ones. That hollow, flute-like colour is what reads as "wooden".
double StoppedPipe(int n, double /*level*/) {
  switch (n) {
    case 1:
      return 1.0;
    case 2:
      return 0.04;
    case 3:
      return 0.16;
    case 5:
      return 0.05;
    default:
      return 0.0;
  }
}

// A glockenspiel-like bar: mostly fundamental with a touch of octave for sparkle.
constexpr std::array<Partial, 4> kChimeBar{{
    {1.00, 1.00, 0.16},
    {2.00, 0.30, 0.08},
    {3.00, 0.10, 0.05},
    {4.16, 0.06,
     0.03},  // Slightly stretched, like a real bar, to keep the chime from sounding electronic.
}};

// A sawtooth with a steep roll-off: enough harmonics to buzz, few enough to stay soft.
double SoftBuzz(int n, double level) {
  return std::pow(0.5 + 0.2 * level, n - 1) / n;
}

}  // namespace

// "Ku-ku": two falling pipe notes a major third apart, each sagging slightly in pitch as the
// bellows empty, with a breathy chiff at the start of each.
Signal SynthCuckoo(double rate, std::size_t samples, std::uint64_t seed) {
  ToneShape pipe;
  pipe.attack_s = 0.025;
  pipe.release_s = 0.07;
  pipe.sag_s = 0.35;
  pipe.glide_semitones = -0.7;

  Signal out(samples, 0.0);
  Rng rng(seed);
  constexpr std::array<Tone, 2> kCalls{{
      {0.010, 0.215, 740.0, 1.0},   // F#5
      {0.275, 0.235, 587.3, 0.95},  // D5
  }};
  for (const Tone& call : kCalls) {
    AddTone(out, rate, call, pipe, StoppedPipe);
    AddNoiseBurst(out, rate, call.start_s, 0.06, 0.004, 0.018,
                  Biquad::BandPass(rate, 3.0 * call.hz, 2.0), rng);
  }
  return out;
}

// The "right" chime: a quick rising major arpeggio, C6 E6 G6 and the octave ringing on.
Signal SynthHit(double rate, std::size_t samples, std::uint64_t /*seed*/) {
  struct Strike {
    double start_s;
    double hz;
    double gain;
  };
  constexpr std::array<Strike, 4> kNotes{{
      {0.000, 1046.5, 0.55},
      {0.055, 1318.5, 0.60},
      {0.110, 1568.0, 0.70},
      {0.165, 2093.0, 0.80},
  }};
  Signal out(samples, 0.0);
  for (const Strike& note : kNotes) {
    AddStruck(out, rate, note.start_s, note.hz, kChimeBar, note.gain, 0.0015);
  }
  return out;
}

// The "wrong" signal: two low notes falling a tritone, the second sinking further and dying
// away. A second, slightly detuned voice beats against the first, which makes the buzz sound
// warm and rounded instead of electronic.
Signal SynthMiss(double rate, std::size_t samples, std::uint64_t /*seed*/) {
  ToneShape first;
  first.attack_s = 0.02;
  first.release_s = 0.06;
  first.glide_semitones = -0.3;

  ToneShape second = first;
  second.release_s = 0.18;
  second.sag_s = 0.25;
  second.glide_semitones = -1.5;

  constexpr double kDetune = 1.0035;  // About 6 cents.
  Signal out(samples, 0.0);
  for (double detune : {1.0, kDetune}) {
    const double gain = detune == 1.0 ? 1.0 : 0.6;
    AddTone(out, rate, {0.000, 0.230, 311.1 * detune, gain}, first, SoftBuzz);   // D#4
    AddTone(out, rate, {0.250, 0.300, 220.0 * detune, gain}, second, SoftBuzz);  // A3
  }
  return out;
}

}  // namespace tarvolenka::sounds
