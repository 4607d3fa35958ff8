#pragma once

// Words the pick windows share.

#include <string>
#include <string_view>

#include "core/window_port.h"

namespace tarvolenka {

// What the labels under a single pick's covers say once every cover is open: the hats and the
// golden covers word it alike.
inline constexpr std::string_view kPickedCoverLabel = "ВАШИЯТ ИЗБОР";
inline constexpr std::string_view kMissedCoverLabel = "пропуснат";

// The label under an opened cover: the pick's in the larger type, the others' in the smaller.
inline void ShowCoverLabel(WindowPort& d, ElementRef label, bool picked, int pickedPoints,
                           int missedPoints) {
  d.SetFontSize(label, picked ? pickedPoints : missedPoints);
  d.SetText(label, picked ? kPickedCoverLabel : kMissedCoverLabel);
  d.SetVisible(label, true);
}

// A multiplier as the bottles show it and the cups carry it on: the sign of times, not a letter.
inline std::string MultiplierText(int times) {
  return "×" + std::to_string(times);
}

}  // namespace tarvolenka
