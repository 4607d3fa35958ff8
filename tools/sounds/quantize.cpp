#include "tools/sounds/quantize.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "tools/sounds/rng.h"

namespace tarvolenka::sounds {
namespace {

constexpr double kFullScale = 127.0;
constexpr double kMaxStep = 126.0;  // Keeps samples within 2..254, clear of the rails.
// The dither reaches full strength once the signal envelope is this many steps; below it, it
// shrinks with the signal, so a fading tail does not end in a bed of hiss.
constexpr double kDitherGateSteps = 3.0;
constexpr double kGateRelease_s = 0.015;

double EdgeGain(std::size_t i, std::size_t count, double fade_in, double fade_out) {
  const double from_start = static_cast<double>(i);
  const double from_end = static_cast<double>(count - 1 - i);
  return RaisedCosine(from_start / fade_in) * RaisedCosine(from_end / fade_out);
}

}  // namespace

std::vector<std::uint8_t> QuantizeToU8(const Signal& signal, double rate,
                                       const QuantizeParams& params) {
  double peak = 0.0;
  for (double x : signal) peak = std::max(peak, std::abs(x));
  const double target = kFullScale * std::pow(10.0, params.peak_dbfs / 20.0);
  const double scale = peak > 0.0 ? target / peak : 0.0;

  const double fade_in = std::max(1.0, params.fade_in_s * rate);
  const double fade_out = std::max(1.0, params.fade_out_s * rate);
  const double release = std::exp(-1.0 / (kGateRelease_s * rate));

  Rng rng(params.dither_seed);
  double envelope = 0.0;
  std::vector<std::uint8_t> out(signal.size());
  for (std::size_t i = 0; i < signal.size(); ++i) {
    const double x = signal[i] * scale;
    envelope = std::max(std::abs(x), envelope * release);
    const double gate = std::min(1.0, envelope / kDitherGateSteps);
    const double dither = (rng.Uniform() - rng.Uniform()) * gate;  // Triangular, ±1 step.
    const double y = (x + dither) * EdgeGain(i, signal.size(), fade_in, fade_out);
    const double step = std::clamp(std::round(y), -kMaxStep, kMaxStep);
    out[i] = static_cast<std::uint8_t>(128 + static_cast<int>(step));
  }
  return out;
}

}  // namespace tarvolenka::sounds
