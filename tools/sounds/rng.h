// Deterministic noise source for the synthesiser.
#pragma once

#include <cstdint>

namespace tarvolenka::sounds {

// SplitMix64. Written out rather than taken from <random> because the standard distributions are
// implementation-defined, and the generated files must be identical with every standard library.
class Rng {
 public:
  explicit constexpr Rng(std::uint64_t seed) : state_(seed) {}

  constexpr std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }

  // Uniform in [0, 1) with 53 random bits.
  constexpr double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

  // Uniform in [-1, 1).
  constexpr double Bipolar() { return 2.0 * Uniform() - 1.0; }

 private:
  std::uint64_t state_;
};

}  // namespace tarvolenka::sounds
