// Test-side reading and measuring of 8-bit WAV data. Deliberately independent of the encoder
// under test: fields are read at their fixed offsets in the canonical 44-byte header.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <span>
#include <string>
#include <vector>

namespace wav_probe {

struct Wav {
  std::string riff_tag, wave_tag, fmt_tag, data_tag;
  std::uint32_t riff_size = 0, fmt_size = 0;
  std::uint16_t format = 0, channels = 0, block_align = 0, bits = 0;
  std::uint32_t sample_rate = 0, byte_rate = 0, data_size = 0;
  std::vector<std::uint8_t> samples;
};

inline std::uint32_t ReadLe(std::span<const std::uint8_t> bytes, std::size_t at, int width) {
  std::uint32_t v = 0;
  for (int i = width - 1; i >= 0; --i) v = (v << 8) | bytes[at + static_cast<std::size_t>(i)];
  return v;
}

inline Wav Parse(std::span<const std::uint8_t> bytes) {
  Wav w;
  if (bytes.size() < 44) return w;
  auto tag = [&](std::size_t at) {
    return std::string(bytes.begin() + at, bytes.begin() + at + 4);
  };
  auto u16 = [&](std::size_t at) { return static_cast<std::uint16_t>(ReadLe(bytes, at, 2)); };
  w.riff_tag = tag(0);
  w.riff_size = ReadLe(bytes, 4, 4);
  w.wave_tag = tag(8);
  w.fmt_tag = tag(12);
  w.fmt_size = ReadLe(bytes, 16, 4);
  w.format = u16(20);
  w.channels = u16(22);
  w.sample_rate = ReadLe(bytes, 24, 4);
  w.byte_rate = ReadLe(bytes, 28, 4);
  w.block_align = u16(32);
  w.bits = u16(34);
  w.data_tag = tag(36);
  w.data_size = ReadLe(bytes, 40, 4);
  const std::size_t available = std::min<std::size_t>(w.data_size, bytes.size() - 44);
  w.samples.assign(bytes.begin() + 44, bytes.begin() + 44 + static_cast<std::ptrdiff_t>(available));
  return w;
}

// Largest distance of any sample from the 128 midpoint, in quantisation steps.
inline int PeakSteps(std::span<const std::uint8_t> s) {
  int peak = 0;
  for (std::uint8_t v : s) peak = std::max(peak, std::abs(static_cast<int>(v) - 128));
  return peak;
}

inline double PeakDbfs(std::span<const std::uint8_t> s) {
  return 20.0 * std::log10(PeakSteps(s) / 127.0);
}

// RMS about 128 over [from_s, to_s), in quantisation steps.
inline double RmsSteps(std::span<const std::uint8_t> s, double rate, double from_s, double to_s) {
  const auto from = static_cast<std::size_t>(from_s * rate);
  const auto to = std::min(s.size(), static_cast<std::size_t>(to_s * rate));
  double sum = 0.0;
  for (std::size_t i = from; i < to; ++i) {
    const double d = static_cast<double>(s[i]) - 128.0;
    sum += d * d;
  }
  return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
}

// Power at `hz` of a Hann-windowed signal (Goertzel).
inline double PowerAt(std::span<const double> x, double rate, double hz) {
  const double k = 2.0 * std::cos(2.0 * std::numbers::pi * hz / rate);
  double s1 = 0.0, s2 = 0.0;
  const double last = static_cast<double>(x.size() - 1);
  for (std::size_t i = 0; i < x.size(); ++i) {
    const double hann =
        0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) / last);
    const double s0 = x[i] * hann + k * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  return s1 * s1 + s2 * s2 - k * s1 * s2;
}

inline std::vector<double> Centered(std::span<const std::uint8_t> s, double rate, double from_s,
                                    double to_s) {
  const auto from = static_cast<std::size_t>(from_s * rate);
  const auto to = std::min(s.size(), static_cast<std::size_t>(to_s * rate));
  std::vector<double> x;
  for (std::size_t i = from; i < to; ++i) x.push_back(static_cast<double>(s[i]) - 128.0);
  return x;
}

// The strongest frequency between lo_hz and hi_hz in [from_s, to_s), scanned in steps of an
// eighth of a semitone.
inline double DominantHz(std::span<const std::uint8_t> s, double rate, double from_s, double to_s,
                         double lo_hz, double hi_hz) {
  const std::vector<double> x = Centered(s, rate, from_s, to_s);
  double best_hz = 0.0, best_power = -1.0;
  for (double hz = lo_hz; hz <= hi_hz; hz *= std::exp2(1.0 / 96.0)) {
    const double p = PowerAt(x, rate, hz);
    if (p > best_power) {
      best_power = p;
      best_hz = hz;
    }
  }
  return best_hz;
}

inline double Semitones(double from_hz, double to_hz) {
  return 12.0 * std::log2(to_hz / from_hz);
}

}  // namespace wav_probe
