#pragma once

#include <string_view>

namespace tarvolenka {

// The largest font size, at most `designPoints`, at which `text` fits `widthPx` in the game's
// bold font. A win can have more digits than the window was drawn for.
int FittingPoints(std::string_view text, int widthPx, int designPoints);

}  // namespace tarvolenka
