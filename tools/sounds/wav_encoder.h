// RIFF/WAVE container for 8-bit unsigned mono PCM.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tarvolenka::sounds {

inline constexpr std::size_t kWavHeaderBytes = 44;

// The complete file: the 44-byte canonical header, then the samples. An odd sample count gets
// the zero pad byte RIFF requires after the data chunk (counted in the RIFF size, not the data
// size).
std::vector<std::uint8_t> EncodeWavU8Mono(std::span<const std::uint8_t> samples,
                                          std::uint32_t sample_rate);

}  // namespace tarvolenka::sounds
