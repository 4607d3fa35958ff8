#pragma once
// A bonus header that names no floor in its include.
#include "machine.h"
