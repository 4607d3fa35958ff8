#include "tools/sounds/cue_synth.h"

#include <fstream>
#include <stdexcept>

#include "tools/sounds/quantize.h"
#include "tools/sounds/voices.h"
#include "tools/sounds/wav_encoder.h"

namespace tarvolenka::sounds {
namespace {

// Loud enough to sit well above the 8-bit noise floor, with headroom for the player's mixer.
constexpr double kPeakDbfs = -3.0;

using Voice = Signal (*)(double rate, std::size_t samples, std::uint64_t seed);

Voice VoiceOf(Cue cue) {
  switch (cue) {
    case Cue::kClick:
      return SynthClick;
    case Cue::kCuckoo:
      return SynthCuckoo;
    case Cue::kHit:
      return SynthHit;
    case Cue::kMiss:
      return SynthMiss;
    case Cue::kDoubleWin:
      return SynthDoubleWin;
    case Cue::kMove:
      return SynthMove;
    case Cue::kPick:
      return SynthPick;
  }
  throw std::invalid_argument("unknown cue");
}

}  // namespace

std::vector<std::uint8_t> SynthesizeCue(Cue cue) {
  const CueInfo& info = InfoOf(cue);
  const double rate = info.sample_rate;
  const Signal mix = VoiceOf(cue)(rate, SampleCount(info), info.seed);
  // The dither gets its own stream so that retuning a voice's noise leaves it alone.
  const QuantizeParams params{kPeakDbfs, info.fade_in_s, info.fade_out_s, ~info.seed};
  return QuantizeToU8(mix, rate, params);
}

std::vector<std::uint8_t> RenderCueWav(Cue cue) {
  return EncodeWavU8Mono(SynthesizeCue(cue), InfoOf(cue).sample_rate);
}

void WriteCueFiles(const std::filesystem::path& directory) {
  std::filesystem::create_directories(directory);
  for (const CueInfo& info : kCues) {
    const std::filesystem::path path = directory / info.file_name;
    const std::vector<std::uint8_t> bytes = RenderCueWav(info.cue);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) throw std::runtime_error("cannot write " + path.string());
  }
}

}  // namespace tarvolenka::sounds
