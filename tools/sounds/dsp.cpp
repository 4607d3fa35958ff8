#include "tools/sounds/dsp.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace tarvolenka::sounds {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Below this an exponential tail is inaudible even before 8-bit quantisation; stop computing it.
constexpr double kSilentTail = 1e-5;

std::size_t FirstSample(double start_s, double rate) {
  return static_cast<std::size_t>(std::ceil(std::max(0.0, start_s) * rate));
}

double ToneEnvelope(double t, double duration, const ToneShape& shape) {
  const double attack = std::min(shape.attack_s, duration / 2.0);
  const double release = std::min(shape.release_s, duration / 2.0);
  double level = RaisedCosine(t / attack);
  if (shape.sag_s > 0.0 && t > attack) level *= std::exp(-(t - attack) / shape.sag_s);
  return level * RaisedCosine((duration - t) / release);
}

double ToneCents(double t, double duration, const ToneShape& shape) {
  double cents = 100.0 * shape.glide_semitones * t / duration;
  if (shape.scoop_s > 0.0) cents -= shape.scoop_cents * (1.0 - RaisedCosine(t / shape.scoop_s));
  if (shape.vibrato_cents > 0.0 && t > shape.vibrato_delay_s) {
    const double grow = RaisedCosine((t - shape.vibrato_delay_s) / 0.2);
    cents += grow * shape.vibrato_cents * std::sin(kTwoPi * shape.vibrato_hz * t);
  }
  return cents;
}

}  // namespace

double MidiToHz(double note) {
  return 440.0 * std::exp2((note - 69.0) / 12.0);
}

double RaisedCosine(double x) {
  if (!(x > 0.0)) return 0.0;  // Also catches NaN from a zero-length ramp at t = 0.
  if (x >= 1.0) return 1.0;
  return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

double PartialWeight(double hz, double rate) {
  const double full = 0.40 * rate;
  const double ceiling = 0.45 * rate;
  if (hz >= ceiling) return 0.0;
  return 1.0 - RaisedCosine((hz - full) / (ceiling - full));
}

void AddStruck(Signal& out, double rate, double start_s, double hz,
               std::span<const Partial> partials, double gain, double attack_s) {
  double longest = 0.0;
  for (const Partial& p : partials) longest = std::max(longest, p.decay_s);
  for (std::size_t i = FirstSample(start_s, rate); i < out.size(); ++i) {
    const double t = static_cast<double>(i) / rate - start_s;
    if (std::exp(-(t - attack_s) / longest) < kSilentTail) break;
    double sum = 0.0;
    for (const Partial& p : partials) {
      const double f = hz * p.ratio;
      const double w = PartialWeight(f, rate);
      if (w > 0.0) sum += w * p.gain * std::exp(-t / p.decay_s) * std::sin(kTwoPi * f * t);
    }
    out[i] += gain * RaisedCosine(t / attack_s) * sum;
  }
}

void AddNoiseBurst(Signal& out, double rate, double start_s, double gain, double attack_s,
                   double decay_s, Biquad filter, Rng& rng) {
  for (std::size_t i = FirstSample(start_s, rate); i < out.size(); ++i) {
    const double t = static_cast<double>(i) / rate - start_s;
    const double decay = std::exp(-t / decay_s);
    if (decay < kSilentTail) break;
    out[i] += gain * RaisedCosine(t / attack_s) * decay * filter.Process(rng.Bipolar());
  }
}

void AddTone(Signal& out, double rate, const Tone& tone, const ToneShape& shape,
             Spectrum spectrum) {
  const std::size_t end = std::min(
      out.size(), static_cast<std::size_t>(std::ceil((tone.start_s + tone.duration_s) * rate)));
  double phase = 0.0;
  for (std::size_t i = FirstSample(tone.start_s, rate); i < end; ++i) {
    const double t = static_cast<double>(i) / rate - tone.start_s;
    const double level = ToneEnvelope(t, tone.duration_s, shape);
    const double f = tone.hz * std::exp2(ToneCents(t, tone.duration_s, shape) / 1200.0);
    double sum = 0.0;
    for (int n = 1;; ++n) {
      const double w = PartialWeight(n * f, rate);
      if (w <= 0.0) break;
      sum += w * spectrum(n, level) * std::sin(n * phase);
    }
    out[i] += tone.gain * level * sum;
    // Integrating frequency (rather than computing f·t) keeps glides and vibrato continuous;
    // wrapping keeps the phase precise over long notes.
    phase = std::fmod(phase + kTwoPi * f / rate, kTwoPi);
  }
}

}  // namespace tarvolenka::sounds
