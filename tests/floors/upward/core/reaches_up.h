#pragma once
// A core header that reaches the Qt desktop above it.
#include "qt/qt_desktop.h"
