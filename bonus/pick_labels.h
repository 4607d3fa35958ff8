#pragma once

// What the labels under a single pick's covers say once every cover is open: the hats and the
// golden covers word it alike.

#include <string_view>

namespace tarvolenka {

inline constexpr std::string_view kPickedCoverLabel = "ВАШИЯТ ИЗБОР";
inline constexpr std::string_view kMissedCoverLabel = "пропуснат";

}  // namespace tarvolenka
