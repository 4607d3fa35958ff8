#pragma once

// A run's figures, exact beside simulated, laid out once for every report: the text table, the
// JSON and the Markdown summary.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "exact/exact.h"
#include "tools/sim/simulator.h"

namespace tarvolenka::sim {

enum class Unit {
  Percent,  // a share of the stake or a probability, shown in per cent
  Number,   // a plain count or ratio
};

struct Row {
  std::string key;    // the JSON name
  std::string label;  // the table's words
  std::optional<double> exact;
  Estimate simulated;
  Unit unit = Unit::Percent;
  bool simulatedOnly() const { return !exact.has_value(); }
  bool Agrees() const { return !exact || simulated.Contains(*exact); }
};

struct Section {
  std::string key;
  std::string title;
  std::vector<Row> rows;
};

struct Summary {
  RunOptions options;
  std::vector<std::string> setting;  // what was played, one line each
  std::vector<Section> sections;
  std::int64_t largestWin = 0;                     // credits
  double largestMultiple = 0;                      // of the paid spin's stake
  std::array<double, kWinBins> winDistribution{};  // share of paid spins per bin
  // The exact bonus values per unit of stake per line, by game and bonus symbols (3..5).
  std::array<std::array<double, kReels + 1>, kBonusGames> bonusValue{};
  std::vector<std::string> exactAssumptions;
  std::vector<std::string> simulationModel;
  double seconds = 0;
  double paidSpinsPerSecond = 0;
  double spinsPerSecondPerThread = 0;
};

Summary Summarize(const RunOptions& options, const ExactFigures& exact, const RunResult& run);

// How many exact figures fall outside their interval, against what chance alone gives: each row
// misses one run in a hundred, so with many rows a run often shows one miss.
struct Agreement {
  int compared = 0;
  int outside = 0;
  double chanceOfAnyOutside = 0;  // were the rows independent
};
Agreement CountAgreement(const Summary& summary);
std::string AgreementSentence(const Agreement& agreement);

// The game names in the chooser's numbering, and short keys for them.
inline constexpr std::array<const char*, kBonusGames> kBonusGameNames{
    "drinks (bottles and cups)", "meze", "golden (pick and board)"};
inline constexpr std::array<const char*, kBonusGames> kBonusGameKeys{"drinks", "meze", "golden"};

// Labels of the win distribution's bins, in multiples of the stake.
std::string WinBinLabel(std::size_t bin);

}  // namespace tarvolenka::sim
