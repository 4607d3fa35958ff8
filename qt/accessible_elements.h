#pragma once

// The windows as a screen reader sees them: pictures that take clicks are buttons it can press,
// counters are texts, and the window's content hangs under its window though it lives in a
// scene.

#include <QString>

class QWidget;

namespace tarvolenka::qt {

// Makes the toolkit describe the game's widgets by what they are; once is enough, later calls
// do nothing.
void InstallAccessibleElements();

// Says `text` through the screen reader, as an alert from `source`, whose description it
// becomes.
void Announce(QWidget* source, const QString& text);

}  // namespace tarvolenka::qt
