#pragma once

// Words the pick windows share.

#include <string>
#include <string_view>

namespace tarvolenka {

// What the labels under a single pick's covers say once every cover is open: the hats and the
// golden covers word it alike.
inline constexpr std::string_view kPickedCoverLabel = "ВАШИЯТ ИЗБОР";
inline constexpr std::string_view kMissedCoverLabel = "пропуснат";

// A multiplier as the bottles show it and the cups carry it on: the sign of times, not a letter.
inline std::string MultiplierText(int times) {
  return "×" + std::to_string(times);
}

}  // namespace tarvolenka
