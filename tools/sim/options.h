#pragma once

// The command line of tarvolenka-sim.

#include <optional>
#include <string>
#include <vector>

#include "tools/sim/simulator.h"

namespace tarvolenka::sim {

struct Options {
  RunOptions run;
  bool json = false;
  std::string reportDir;  // empty: no report
  bool progress = true;   // a progress bar, when stderr is a terminal
  bool help = false;
};

// Parses the arguments after the program name; nothing, with `error` set, when they are wrong.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, unsigned hardwareThreads,
                                    std::string& error);

std::string Usage();

}  // namespace tarvolenka::sim
