#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tools/sim/reports.h"
#include "tools/sim/win_chart.h"

namespace tarvolenka::sim {
namespace {

std::string Printf(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

std::string Value(double v, Unit unit) {
  return Printf("%.4f", unit == Unit::Percent ? 100 * v : v);
}

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  return first == std::string::npos ? "" : s.substr(first);
}

}  // namespace

std::string MarkdownReport(const Summary& s, const std::string& chartFile) {
  std::string out = "# Tarvolenka: return to player\n\n";
  for (const std::string& line : s.setting) out += "- " + line + "\n";
  out +=
      "\n*Exact* figures are computed from the game's tables under the assumptions listed below; "
      "*simulated* figures come from the run, with 99 % intervals. Percentages are of the paid "
      "spin's stake (return) or per spin (rates).\n";
  for (const Section& section : s.sections) {
    out += "\n## " + section.title + "\n\n";
    out += "| | exact | simulated | 99 % interval | exact inside |\n|---|---:|---:|---|:-:|\n";
    for (const Row& row : section.rows)
      out += "| " + Trimmed(row.label) + " | " + (row.exact ? Value(*row.exact, row.unit) : "–") +
             " | " + Value(row.simulated.value, row.unit) + " | " +
             Value(row.simulated.low, row.unit) + " – " + Value(row.simulated.high, row.unit) +
             " | " + (row.exact ? (row.Agrees() ? "yes" : "**no**") : "") + " |\n";
  }
  out += "\n" + AgreementSentence(CountAgreement(s)) + "\n";
  out += "\nLargest win of a paid spin: " + std::to_string(s.largestWin) + " credits (" +
         Printf("%.1f", s.largestMultiple) + " × the stake).\n";
  out +=
      "\n## Distribution of a paid spin's win\n\n![Share of paid spins by win, in multiples of "
      "the stake, logarithmic scale](" +
      chartFile + ")\n\n";
  out += "| win, × stake | share of paid spins |\n|---|---:|\n";
  for (std::size_t k = 0; k < kWinBins; ++k)
    out += "| " + WinBinLabel(k) + " | " + Printf("%.6f", 100 * s.winDistribution[k]) + " % |\n";
  out +=
      "\n## Exact bonus game values\n\nPer unit of stake per line, multiplier included, by the "
      "number of bonus symbols that opened the game.\n\n| game | 3 | 4 | 5 "
      "|\n|---|---:|---:|---:|\n";
  for (std::size_t g = 0; g < kBonusGames; ++g) {
    out += std::string("| ") + kBonusGameNames[g];
    for (std::size_t n = 3; n <= kReels; ++n) out += " | " + Printf("%.4f", s.bonusValue[g][n]);
    out += " |\n";
  }
  out += "\n## Speed\n\n" + Printf("%.2f", s.seconds) + " s; " +
         Printf("%.0f", s.paidSpinsPerSecond) + " paid spins per second; " +
         Printf("%.0f", s.spinsPerSecondPerThread) +
         " spins per second per thread, features included.\n";
  out += "\n## Exact figures assume\n\n";
  for (const std::string& a : s.exactAssumptions) out += "- " + a + "\n";
  out += "\n## Simulation model\n\n";
  for (const std::string& m : s.simulationModel) out += "- " + m + "\n";
  return out;
}

bool WriteReportDir(const Summary& summary, const std::string& dir, std::string& error) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    error = "cannot create " + dir + ": " + ec.message();
    return false;
  }
  const std::string chart = "win-distribution.png";
  if (!WritePng((std::filesystem::path(dir) / chart).string(),
                DrawWinChart(summary.winDistribution))) {
    error = "cannot write the chart into " + dir;
    return false;
  }
  std::ofstream md(std::filesystem::path(dir) / "summary.md");
  md << MarkdownReport(summary, chart);
  if (!md) {
    error = "cannot write summary.md into " + dir;
    return false;
  }
  return true;
}

}  // namespace tarvolenka::sim
