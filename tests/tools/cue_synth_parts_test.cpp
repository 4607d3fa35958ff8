// Checks the synthesiser's building blocks: the WAV container, the 8-bit quantiser and the
// anti-aliasing of generated partials.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/tools/wav_probe.h"
#include "tools/sounds/dsp.h"
#include "tools/sounds/quantize.h"
#include "tools/sounds/rng.h"
#include "tools/sounds/wav_encoder.h"

namespace tarvolenka::sounds {
namespace {

TEST(WavEncoderTest, WritesCanonicalHeaderThenSamples) {
  const std::vector<std::uint8_t> samples{100, 128, 156, 7};
  const std::vector<std::uint8_t> expected{
      'R',  'I',  'F', 'F', 40,   0,    0, 0, 'W', 'A', 'V', 'E',  //
      'f',  'm',  't', ' ', 16,   0,    0, 0,                      // fmt chunk of 16 bytes
      1,    0,    1,   0,                                          // PCM, mono
      0x40, 0x1f, 0,   0,   0x40, 0x1f, 0, 0,                      // 8000 Hz, 8000 bytes/s
      1,    0,    8,   0,                                          // 1-byte frames of 8 bits
      'd',  'a',  't', 'a', 4,    0,    0, 0, 100, 128, 156, 7};
  EXPECT_EQ(EncodeWavU8Mono(samples, 8000), expected);
}

TEST(WavEncoderTest, PadsAnOddDataChunkWithAZeroByteOutsideTheDataSize) {
  const std::vector<std::uint8_t> samples{1, 2, 3};
  const std::vector<std::uint8_t> file = EncodeWavU8Mono(samples, 44100);
  ASSERT_EQ(file.size(), kWavHeaderBytes + 4);
  const wav_probe::Wav w = wav_probe::Parse(file);
  EXPECT_EQ(w.data_size, 3u);
  EXPECT_EQ(w.riff_size, 36u + 4u);
  EXPECT_EQ(w.sample_rate, 44100u);
  EXPECT_EQ(w.samples, samples);
  EXPECT_EQ(file.back(), 0u);
}

QuantizeParams Params(double peak_dbfs) {
  return {peak_dbfs, 0.001, 0.001, 42};
}

TEST(QuantizeTest, SilenceStaysExactlyAtTheMidpoint) {
  for (std::uint8_t v : QuantizeToU8(Signal(1000, 0.0), 8000.0, Params(-3.0))) {
    ASSERT_EQ(v, 128u);
  }
}

TEST(QuantizeTest, NormalisesThePeakToTheRequestedLevel) {
  Signal sine(8000);
  for (std::size_t i = 0; i < sine.size(); ++i) sine[i] = 0.01 * std::sin(0.05 * double(i));
  const std::vector<std::uint8_t> out = QuantizeToU8(sine, 8000.0, Params(-6.0));
  // 127 × 10^(−6/20) ≈ 63.65 steps, ±1 step of dither.
  EXPECT_GE(wav_probe::PeakSteps(out), 63);
  EXPECT_LE(wav_probe::PeakSteps(out), 65);
}

TEST(QuantizeTest, FadesBothEdgesToExactSilence) {
  const std::vector<std::uint8_t> out = QuantizeToU8(Signal(400, 1.0), 8000.0, Params(-3.0));
  EXPECT_EQ(out.front(), 128u);
  EXPECT_EQ(out.back(), 128u);
  EXPECT_NEAR(out[200], 128 + 90, 1);  // Untouched between the 8-sample fades.
}

TEST(QuantizeTest, StaysOffTheRailsEvenAtFullScale) {
  Signal square(400);
  for (std::size_t i = 0; i < square.size(); ++i) square[i] = (i / 10) % 2 ? 1.0 : -1.0;
  for (std::uint8_t v : QuantizeToU8(square, 8000.0, Params(0.0))) {
    ASSERT_GT(v, 0u);
    ASSERT_LT(v, 255u);
  }
}

TEST(QuantizeTest, DitherIsRepeatableForTheSameSeed) {
  Signal ramp(2000);
  for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = std::sin(0.01 * double(i));
  EXPECT_EQ(QuantizeToU8(ramp, 8000.0, Params(-3.0)), QuantizeToU8(ramp, 8000.0, Params(-3.0)));
}

TEST(RngTest, SameSeedGivesSameStreamAndDifferentSeedsDiffer) {
  Rng a(7), b(7), c(8);
  bool differs = false;
  for (int i = 0; i < 100; ++i) {
    const std::uint64_t x = a.Next();
    ASSERT_EQ(x, b.Next());
    differs = differs || x != c.Next();
  }
  EXPECT_TRUE(differs);
}

TEST(RngTest, UniformStaysInTheUnitInterval) {
  Rng rng(1);
  for (int i = 0; i < 10000; ++i) {
    const double u = rng.Uniform();
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
  }
}

TEST(AntiAliasTest, PartialWeightIsFullLowAndZeroFromTheCeilingUp) {
  constexpr double kRate = 11025.0;
  EXPECT_EQ(PartialWeight(1000.0, kRate), 1.0);
  EXPECT_EQ(PartialWeight(0.40 * kRate, kRate), 1.0);
  EXPECT_EQ(PartialWeight(0.45 * kRate, kRate), 0.0);
  EXPECT_EQ(PartialWeight(0.50 * kRate, kRate), 0.0);
  double previous = 1.0;
  for (double hz = 0.40 * kRate; hz < 0.45 * kRate; hz += 10.0) {
    const double w = PartialWeight(hz, kRate);
    EXPECT_LE(w, previous) << hz;
    previous = w;
  }
}

double Flat(int /*n*/, double /*level*/) {
  return 1.0;
}

// A 2 kHz tone with every harmonic at full level, at 11025 Hz: its 3rd and 4th harmonics
// (6 and 8 kHz) would fold back to 5025 and 3025 Hz if they were generated.
TEST(AntiAliasTest, ToneKeepsHarmonicsBelowNyquistAndDropsTheRest) {
  constexpr double kRate = 11025.0;
  Signal out(4096, 0.0);
  ToneShape plain;
  AddTone(out, kRate, {0.0, 4096 / kRate, 2000.0, 1.0}, plain, Flat);
  const double fundamental = wav_probe::PowerAt(out, kRate, 2000.0);
  EXPECT_GT(wav_probe::PowerAt(out, kRate, 4000.0), 0.1 * fundamental);
  EXPECT_LT(wav_probe::PowerAt(out, kRate, 3025.0), 1e-6 * fundamental);
  EXPECT_LT(wav_probe::PowerAt(out, kRate, 5025.0), 1e-6 * fundamental);
}

TEST(AntiAliasTest, StruckPartialsAboveTheCeilingAreSilent) {
  constexpr double kRate = 8000.0;
  const Partial too_high[] = {{1.0, 1.0, 0.1}};
  Signal out(800, 0.0);
  AddStruck(out, kRate, 0.0, 3700.0, too_high, 1.0, 0.001);
  for (double v : out) ASSERT_EQ(v, 0.0);
}

}  // namespace
}  // namespace tarvolenka::sounds
