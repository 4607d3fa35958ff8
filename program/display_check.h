#pragma once

// Whether a graphical desktop can be reached, asked before Qt is started: Qt aborts the
// program (and may leave a core dump) when its display plugin finds no display.

#include <optional>
#include <string>

namespace tarvolenka::program {

// Nothing when a display answers or when the Qt platform chosen needs none (offscreen,
// minimal, vnc...); otherwise two lines, Bulgarian then English, naming the variable looked at.
std::optional<std::string> MissingDisplay();

}  // namespace tarvolenka::program
