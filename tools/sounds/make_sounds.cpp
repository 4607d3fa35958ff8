// Build-time generator of the game's sound cues: make_sounds OUTDIR writes the seven WAV files.
#include <exception>
#include <iostream>

#include "tools/sounds/cue_synth.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_sounds OUTDIR\n";
    return 2;
  }
  try {
    tarvolenka::sounds::WriteCueFiles(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "make_sounds: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
