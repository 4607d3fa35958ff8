// Conversion of a mixed floating-point cue to 8-bit unsigned PCM.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/sounds/dsp.h"

namespace tarvolenka::sounds {

struct QuantizeParams {
  double peak_dbfs;  // The loudest sample lands here (full scale = 127 steps from 128).
  double fade_in_s;  // Raised-cosine edges; the first and last samples become exactly 128.
  double fade_out_s;
  std::uint64_t dither_seed;
};

// Normalises, dithers (TPDF, ±1 LSB, only where the cue is sounding, so silences stay exactly
// 128), fades the edges and rounds. The result never reaches 0 or 255.
std::vector<std::uint8_t> QuantizeToU8(const Signal& signal, double rate,
                                       const QuantizeParams& params);

}  // namespace tarvolenka::sounds
