#pragma once

#include <QIcon>
#include <QPixmap>

namespace tarvolenka::qt {

// The game's icon at the sizes window managers show, made from its large rendering. The X11
// platform drops an icon that holds the 256-pixel one: its pixels pass the size of one request,
// and the window goes without.
QIcon WindowIcon(const QPixmap& art);

}  // namespace tarvolenka::qt
