#pragma once

#include <QFont>

namespace tarvolenka::qt {

// The game's lettering comes from fonts built into the program, so Bulgarian text looks the
// same on a machine without extra fonts. The old Windows faces all map onto it.
void RegisterGameFonts();
QFont GameFont(int pixelSize, bool bold);

}  // namespace tarvolenka::qt
