#include <array>
#include <cmath>

#include "tools/sounds/voices.h"

namespace tarvolenka::sounds {
namespace {

// The tune, in C major at 143 beats per minute: three "ta-ta-ta TAAA" calls climbing C-E-G,
// a IV-V7 cadence, and a held C-major chord that fades away slowly over the last two seconds.
constexpr double kBeat_s = 0.42;

enum class Part : std::uint8_t { kLead, kSecond, kHorn, kBass };
enum class Articulation : std::uint8_t { kShort, kHeld, kFinal };

struct Note {
  double beat;
  double beats;
  int midi;
  Part part;
  Articulation articulation;
};

constexpr double kT = 1.0 / 3.0;      // One triplet eighth.
constexpr double kFinalBeats = 6.05;  // From the last downbeat to just before the file ends.

using enum Part;
using enum Articulation;

constexpr auto kScore = std::to_array<Note>({
    // Lead trumpet.
    {0, 0.28, 67, kLead, kShort},
    {kT, 0.28, 67, kLead, kShort},
    {2 * kT, 0.28, 67, kLead, kShort},
    {1, 0.9, 72, kLead, kHeld},
    {2, 0.28, 72, kLead, kShort},
    {2 + kT, 0.28, 72, kLead, kShort},
    {2 + 2 * kT, 0.28, 72, kLead, kShort},
    {3, 0.9, 76, kLead, kHeld},
    {4, 0.28, 76, kLead, kShort},
    {4 + kT, 0.28, 76, kLead, kShort},
    {4 + 2 * kT, 0.28, 76, kLead, kShort},
    {5, 0.9, 79, kLead, kHeld},
    {6, 0.72, 81, kLead, kHeld},
    {6.75, 0.25, 77, kLead, kShort},
    {7, 0.72, 79, kLead, kHeld},
    {7.75, 0.25, 83, kLead, kShort},
    {8, kFinalBeats, 84, kLead, kFinal},
    // Second trumpet, a third or sixth below.
    {1, 0.9, 64, kSecond, kHeld},
    {3, 0.9, 67, kSecond, kHeld},
    {5, 0.9, 76, kSecond, kHeld},
    {6, 0.95, 77, kSecond, kHeld},
    {7, 0.72, 74, kSecond, kHeld},
    {7.75, 0.25, 77, kSecond, kShort},
    {8, kFinalBeats, 76, kSecond, kFinal},
    // Horns fill in the chords.
    {1, 0.9, 60, kHorn, kHeld},
    {1, 0.9, 67, kHorn, kHeld},
    {3, 0.9, 64, kHorn, kHeld},
    {3, 0.9, 72, kHorn, kHeld},
    {5, 0.9, 67, kHorn, kHeld},
    {5, 0.9, 72, kHorn, kHeld},
    {6, 0.95, 69, kHorn, kHeld},
    {6, 0.95, 72, kHorn, kHeld},
    {7, 0.95, 67, kHorn, kHeld},
    {7, 0.95, 71, kHorn, kHeld},
    {8, kFinalBeats, 67, kHorn, kFinal},
    {8, kFinalBeats, 72, kHorn, kFinal},
    // Trombone bass line.
    {1, 0.9, 48, kBass, kHeld},
    {3, 0.9, 43, kBass, kHeld},
    {5, 0.9, 52, kBass, kHeld},
    {6, 0.95, 41, kBass, kHeld},
    {7, 0.95, 43, kBass, kHeld},
    {8, kFinalBeats, 48, kBass, kFinal},
});

struct Drum {
  double beat;
  int midi;
  double gain;
};

// Timpani on the calls' downbeats, a roll into the final chord, and the big hit under it.
constexpr auto kTimpani = std::to_array<Drum>({
    {1, 48, 0.6},
    {3, 43, 0.5},
    {5, 48, 0.6},
    {7, 43, 0.5},
    {7.5, 43, 0.15},
    {7.6, 43, 0.2},
    {7.7, 43, 0.26},
    {7.8, 43, 0.32},
    {7.9, 43, 0.4},
    {8, 48, 1.0},
});

constexpr std::array<Partial, 4> kKettle{{
    {1.00, 1.00, 0.60},
    {1.50, 0.50, 0.35},
    {1.98, 0.30, 0.25},
    {2.44, 0.15, 0.18},
}};

// Brass gets brighter as it gets louder: the harmonics fall off by `dark + bright·level` each.
template <int kDark, int kBright>
double Brass(int n, double level) {
  const double rolloff = (kDark + kBright * level) / 100.0;
  return std::pow(rolloff, n - 1) / std::sqrt(static_cast<double>(n));
}

Spectrum SpectrumOf(Part part) {
  switch (part) {
    case kLead:
      return Brass<45, 40>;
    case kSecond:
      return Brass<40, 40>;
    case kHorn:
      return Brass<30, 30>;
    case kBass:
      return Brass<40, 35>;
  }
  return Brass<40, 40>;
}

double GainOf(Part part) {
  switch (part) {
    case kLead:
      return 0.50;
    case kSecond:
      return 0.30;
    case kHorn:
      return 0.20;
    case kBass:
      return 0.32;
  }
  return 0.0;
}

ToneShape ShapeOf(Articulation articulation) {
  ToneShape shape;
  shape.scoop_cents = 30.0;
  shape.scoop_s = 0.035;
  switch (articulation) {
    case kShort:
      shape.attack_s = 0.02;
      shape.release_s = 0.04;
      break;
    case kHeld:
      shape.attack_s = 0.03;
      shape.release_s = 0.08;
      shape.sag_s = 1.5;
      shape.vibrato_hz = 5.5;
      shape.vibrato_cents = 8.0;
      shape.vibrato_delay_s = 0.18;
      break;
    case kFinal:
      shape.attack_s = 0.05;
      shape.release_s = 1.4;
      shape.sag_s = 2.5;
      shape.vibrato_hz = 5.0;
      shape.vibrato_cents = 10.0;
      shape.vibrato_delay_s = 0.35;
      break;
  }
  return shape;
}

}  // namespace

Signal SynthDoubleWin(double rate, std::size_t samples, std::uint64_t seed) {
  Signal out(samples, 0.0);
  for (const Note& note : kScore) {
    const Tone tone{note.beat * kBeat_s, note.beats * kBeat_s, MidiToHz(note.midi),
                    GainOf(note.part)};
    AddTone(out, rate, tone, ShapeOf(note.articulation), SpectrumOf(note.part));
  }
  Rng rng(seed);
  for (const Drum& drum : kTimpani) {
    const double start = drum.beat * kBeat_s;
    AddStruck(out, rate, start, MidiToHz(drum.midi), kKettle, 0.45 * drum.gain, 0.004);
    AddNoiseBurst(out, rate, start, 0.3 * drum.gain, 0.002, 0.03, Biquad::LowPass(rate, 300.0, 0.7),
                  rng);
  }
  // A soft cymbal on the final chord for the festive shimmer.
  AddNoiseBurst(out, rate, 8 * kBeat_s, 0.10, 0.003, 0.7, Biquad::HighPass(rate, 2500.0, 0.7), rng);
  return out;
}

}  // namespace tarvolenka::sounds
