// Synthesises the game's sound cues as 8-bit mono WAV files. Pure C++: no Qt, no audio files in,
// and the output is bit-identical on every run.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "tools/sounds/cue_table.h"

namespace tarvolenka::sounds {

// The cue's samples, unsigned 8-bit (silence = 128), exactly SampleCount(InfoOf(cue)) long.
std::vector<std::uint8_t> SynthesizeCue(Cue cue);

// The cue as the complete bytes of its WAV file.
std::vector<std::uint8_t> RenderCueWav(Cue cue);

// Writes every cue into `directory` (created if missing) under its file name.
// Throws std::runtime_error if a file cannot be written.
void WriteCueFiles(const std::filesystem::path& directory);

}  // namespace tarvolenka::sounds
