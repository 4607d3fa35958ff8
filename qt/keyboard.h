#pragma once

// Qt's key codes in the game's terms.

#include <QKeyEvent>
#include <optional>

#include "catalogue/keys.h"

namespace tarvolenka::qt {

// The game key a press stands for; nothing for other keys and for presses with Ctrl, Alt or
// Meta, which belong to the window system and the zoom, but for Ctrl+, for the settings.
std::optional<Key> GameKeyOf(const QKeyEvent& event);

enum class ZoomKey { None, In, Out, Reset };
// Ctrl with + (or =, its unshifted key), - and 0, on the main keys or the keypad.
ZoomKey ZoomKeyOf(const QKeyEvent& event);

}  // namespace tarvolenka::qt
