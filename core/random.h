#pragma once

#include <cstdint>

namespace tarvolenka {

// The one random generator of the game: a 32-bit linear congruential generator. A draw of
// 0..n-1 steps the seed, then takes the upper 32 bits of n × seed. Every outcome of the
// machine follows from this sequence, so it must stay bit-exact.
class Random {
 public:
  static constexpr std::uint32_t kMultiplier = 134775813u;

  constexpr void Seed(std::uint32_t seed) { seed_ = seed; }
  constexpr std::uint32_t seed() const { return seed_; }

  // Uniform integer in 0 .. n-1 (0 when n is 0).
  constexpr std::uint32_t Below(std::uint32_t n) {
    seed_ = seed_ * kMultiplier + 1u;
    return Scaled(seed_, n);
  }

  // The draw of 0 .. n-1 that a step to generator state `state` gives.
  static constexpr std::uint32_t Scaled(std::uint32_t state, std::uint32_t n) {
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(n) * state) >> 32);
  }

 private:
  std::uint32_t seed_ = 0;
};

// The seed taken from the clock: milliseconds since midnight of the current UTC time of day.
constexpr std::uint32_t ClockSeed(int hours, int minutes, int seconds, int millis) {
  return static_cast<std::uint32_t>(((hours * 60 + minutes) * 60 + seconds) * 1000 + millis);
}

}  // namespace tarvolenka
