#pragma once

// The run's reports: the text table for the terminal, the JSON, and the Markdown summary with
// its chart.

#include <string>

#include "tools/sim/summary.h"

namespace tarvolenka::sim {

std::string TextReport(const Summary& summary);
std::string JsonReport(const Summary& summary);
std::string MarkdownReport(const Summary& summary, const std::string& chartFile);

// Writes summary.md and win-distribution.png into `dir`, creating it; false with `error` set
// when that fails.
bool WriteReportDir(const Summary& summary, const std::string& dir, std::string& error);

}  // namespace tarvolenka::sim
