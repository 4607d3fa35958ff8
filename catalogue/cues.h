#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tarvolenka {

// The seven sound cues, addressed by name in the logic and by resource in the adapters.
enum class Cue : std::uint8_t { Click, Cuckoo, Hit, Miss, DoubleWin, Move, Pick };
inline constexpr int kCueCount = 7;

struct CueSpec {
  Cue cue;
  std::string_view name;      // the name the game uses
  std::string_view resource;  // the WAV file built into the program
  int sampleRate;
  double seconds;
};

inline constexpr std::array<CueSpec, kCueCount> kCues{{
    {Cue::Click, "Click", "click.wav", 11025, 0.01},
    {Cue::Cuckoo, "Cuckoo", "kuku.wav", 22050, 0.52},
    {Cue::Hit, "Hit", "pozna.wav", 48000, 0.35},
    {Cue::Miss, "Miss", "nepozna.wav", 11025, 0.56},
    {Cue::DoubleWin, "DoubleWin", "doublewin.wav", 11025, 5.99},
    {Cue::Move, "Move", "move.wav", 11025, 0.16},
    {Cue::Pick, "Pick", "chasha.wav", 44100, 0.13},
}};

constexpr const CueSpec& SpecOf(Cue cue) {
  return kCues[static_cast<std::size_t>(cue)];
}

}  // namespace tarvolenka
