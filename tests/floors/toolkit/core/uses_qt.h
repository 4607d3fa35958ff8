#pragma once
// A core header that includes the toolkit.
#include <QWidget>
