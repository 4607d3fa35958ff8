// The seven sound cues of the game and the format of their WAV files.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarvolenka::sounds {

enum class Cue : std::uint8_t { kClick, kCuckoo, kHit, kMiss, kDoubleWin, kMove, kPick };

struct CueInfo {
  Cue cue;
  std::string_view file_name;
  std::uint32_t sample_rate;
  double seconds;
  // Edge fades applied to the finished cue so the file starts and ends exactly at silence; short
  // at the start where the attack must stay crisp, longer at the end where tails are cut.
  double fade_in_s;
  double fade_out_s;
  // Each cue has its own noise seed so the output is identical on every build.
  std::uint64_t seed;
};

inline constexpr std::array<CueInfo, 7> kCues{{
    {Cue::kClick, "click.wav", 11025, 0.01, 0.0005, 0.003, 0x636c69636bULL},
    {Cue::kCuckoo, "kuku.wav", 22050, 0.52, 0.002, 0.02, 0x6b756b75ULL},
    {Cue::kHit, "pozna.wav", 48000, 0.35, 0.001, 0.06, 0x706f7a6e61ULL},
    {Cue::kMiss, "nepozna.wav", 11025, 0.56, 0.002, 0.04, 0x6e65706f7aULL},
    {Cue::kDoubleWin, "doublewin.wav", 11025, 5.99, 0.002, 0.08, 0x646f75626cULL},
    {Cue::kMove, "move.wav", 11025, 0.16, 0.0005, 0.02, 0x6d6f7665ULL},
    {Cue::kPick, "chasha.wav", 44100, 0.13, 0.0003, 0.015, 0x6368617368ULL},
}};

// round(rate × seconds); the lengths are positive, so adding one half and truncating rounds.
constexpr std::size_t SampleCount(const CueInfo& info) {
  return static_cast<std::size_t>(static_cast<double>(info.sample_rate) * info.seconds + 0.5);
}

static_assert(
    [] {
      for (std::size_t i = 0; i < kCues.size(); ++i) {
        if (static_cast<std::size_t>(kCues[i].cue) != i) return false;
      }
      return true;
    }(),
    "kCues must list every cue once, in enumeration order");

constexpr const CueInfo& InfoOf(Cue cue) {
  return kCues[static_cast<std::size_t>(cue)];
}

}  // namespace tarvolenka::sounds
