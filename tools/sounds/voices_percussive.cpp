#include <array>

#include "tools/sounds/voices.h"

namespace tarvolenka::sounds {

// The reel's pawl snapping into the next tooth: a bright band of contact noise over a few stiff
// plastic modes, nearly all gone within the 10 ms the reel gives it.
Signal SynthClick(double rate, std::size_t samples, std::uint64_t seed) {
  static constexpr std::array<Partial, 4> kPawl{{
      {1.00, 1.00, 0.0022},
      {1.63, 0.60, 0.0016},
      {2.37, 0.35, 0.0012},
      {0.34, 0.45, 0.0030},  // The housing's duller knock gives the tick some body.
  }};
  Signal out(samples, 0.0);
  Rng rng(seed);
  AddNoiseBurst(out, rate, 0.0, 1.1, 0.0003, 0.0011, Biquad::BandPass(rate, 3200.0, 1.1), rng);
  AddStruck(out, rate, 0.0, 1900.0, kPawl, 0.7, 0.0004);
  return out;
}

// The double-up marker stepping: a small wooden block, rounder and lower than the reel click so
// the two are never confused. Its ring dies within a few tens of milliseconds, so a fast run of
// steps stays a string of separate ticks.
Signal SynthMove(double rate, std::size_t samples, std::uint64_t seed) {
  static constexpr std::array<Partial, 3> kBlock{{
      {1.00, 1.00, 0.011},
      {2.58, 0.35, 0.006},  // Wooden bars are inharmonic; this ratio keeps it a "tok", not a note.
      {3.71, 0.12, 0.003},
  }};
  Signal out(samples, 0.0);
  Rng rng(seed);
  AddNoiseBurst(out, rate, 0.0, 0.45, 0.0004, 0.0009, Biquad::BandPass(rate, 2400.0, 1.5), rng);
  AddStruck(out, rate, 0.0, 1050.0, kBlock, 1.0, 0.0006);
  return out;
}

// Two small glasses touching. The ratios follow the bending modes of a thin cup wall; each mode
// is a close pair (the wall is never perfectly round), which gives glass its shimmer. Higher
// modes die faster, so the clink dulls as it fades.
Signal SynthPick(double rate, std::size_t samples, std::uint64_t seed) {
  static constexpr std::array<Partial, 8> kCup{{
      {1.000, 0.55, 0.045},
      {1.004, 0.45, 0.040},
      {2.830, 0.40, 0.026},
      {2.838, 0.30, 0.024},
      {5.420, 0.28, 0.014},
      {5.436, 0.20, 0.012},
      {8.770, 0.14, 0.008},
      {8.800, 0.10, 0.007},
  }};
  Signal out(samples, 0.0);
  Rng rng(seed);
  AddNoiseBurst(out, rate, 0.0, 0.35, 0.0002, 0.0005, Biquad::HighPass(rate, 5000.0, 0.7), rng);
  AddStruck(out, rate, 0.0, 2150.0, kCup, 1.0, 0.0003);
  return out;
}

}  // namespace tarvolenka::sounds
