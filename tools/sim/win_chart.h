#pragma once

// The chart of the distribution of a paid spin's win: one bar per bin of win multiples, on a
// logarithmic scale of the share of paid spins.

#include <array>

#include "tools/sim/png_writer.h"
#include "tools/sim/tally.h"

namespace tarvolenka::sim {

Image DrawWinChart(const std::array<double, kWinBins>& share);

}  // namespace tarvolenka::sim
