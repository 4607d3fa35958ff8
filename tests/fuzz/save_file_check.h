#pragma once

#include <cstdint>
#include <span>

namespace tarvolenka::testing {

// Starts a game on `bytes` as its save file, in a fresh directory on the virtual desktop, plays
// a few scripted spins and clicks, closes it, and checks what loading and saving promise:
// every field that was sound in the file is kept exactly, the damaged ones come back in range,
// bytes the game does not know come back unchanged, and the game never saves a state it would
// have to repair. Throws InvariantBroken.
void CheckSaveFile(std::span<const std::uint8_t> bytes);

}  // namespace tarvolenka::testing
