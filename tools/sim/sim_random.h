#pragma once

// The simulator's own random numbers, apart from the game's generator: the player's picks and
// the clock readings that re-seed the game. One stream per thread, derived from the run's seed.

#include <cstdint>

namespace tarvolenka::sim {

// One step of splitmix64: derives well-spread seeds from consecutive numbers.
constexpr std::uint64_t SplitMix64(std::uint64_t& state) {
  state += 0x9E3779B97F4A7C15ull;
  std::uint64_t z = state;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// xoshiro256**: fast, with a period far beyond any run.
class Stream {
 public:
  explicit Stream(std::uint64_t seed) {
    for (auto& word : s_) word = SplitMix64(seed);
  }

  std::uint64_t Next() {
    const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = Rotl(s_[3], 45);
    return result;
  }

  // Uniform in 0 .. n-1 (n > 0); the bias of reducing 64 bits is below n / 2^64.
  std::uint32_t Below(std::uint32_t n) { return static_cast<std::uint32_t>(Next() % n); }

 private:
  static constexpr std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  std::uint64_t s_[4]{};
};

// The clock reads milliseconds since midnight: 0 .. kMillisInDay - 1.
inline constexpr std::uint32_t kMillisInDay = 86400000;

// A reading of the clock, which re-seeds the game's generator at every spin start and when the
// double-up or the golden pick opens. A player presses at no particular millisecond, so each
// reading is uniform over the day's milliseconds.
inline std::uint32_t ReadClock(Stream& stream) {
  return stream.Below(kMillisInDay);
}

// The seed of thread `index` of a run with seed `runSeed`: the index-th splitmix64 step.
constexpr std::uint64_t ThreadSeed(std::uint64_t runSeed, int index) {
  std::uint64_t state = runSeed;
  std::uint64_t seed = 0;
  for (int i = 0; i <= index; ++i) seed = SplitMix64(state);
  return seed;
}

}  // namespace tarvolenka::sim
