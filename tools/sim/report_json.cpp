#include <cmath>
#include <cstdio>

#include "tools/sim/reports.h"

namespace tarvolenka::sim {
namespace {

std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    if (static_cast<unsigned char>(c) < 0x20) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(c));
      out += buffer;
      continue;
    }
    out += c;
  }
  return out + "\"";
}

std::string Number(double v) {
  if (!std::isfinite(v)) return "null";
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.10g", v);
  return buffer;
}

std::string Strings(const std::vector<std::string>& items) {
  std::string out = "[";
  for (std::size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + Quote(items[i]);
  return out + "]";
}

std::string RowJson(const Row& row) {
  std::string out = "{\"label\": " + Quote(row.label);
  out += ", \"exact\": " + (row.exact ? Number(*row.exact) : std::string("null"));
  out += ", \"simulated\": " + Number(row.simulated.value);
  out += ", \"ci99\": [" + Number(row.simulated.low) + ", " + Number(row.simulated.high) + "]";
  if (row.exact) out += std::string(", \"exact_in_ci99\": ") + (row.Agrees() ? "true" : "false");
  return out + "}";
}

}  // namespace

std::string JsonReport(const Summary& s) {
  const RunOptions& o = s.options;
  std::string out = "{\n";
  out += "  \"run\": {\"paid_spins\": " + std::to_string(o.spins) +
         ", \"lines\": " + std::to_string(o.settings.lines) +
         ", \"stake_per_line\": " + std::to_string(o.settings.stake) +
         ", \"threads\": " + std::to_string(o.threads) + ", \"seed\": " + std::to_string(o.seed) +
         ", \"double_up\": " + Quote(o.settings.doubleUp.name()) +
         ", \"bonus_picks\": \"random\"},\n";
  out +=
      "  \"units\": {\"rtp\": \"share of the paid spin's stake\", \"hits\": \"probability\", "
      "\"triggers\": \"probability per spin, except free_spins_per_paid_spin\", \"spread\": "
      "\"multiples of the stake, or per credit gambled\"},\n";
  for (const Section& section : s.sections) {
    out += "  " + Quote(section.key) + ": {\n";
    for (std::size_t i = 0; i < section.rows.size(); ++i)
      out += "    " + Quote(section.rows[i].key) + ": " + RowJson(section.rows[i]) +
             (i + 1 < section.rows.size() ? ",\n" : "\n");
    out += "  },\n";
  }
  const Agreement agreement = CountAgreement(s);
  out += "  \"agreement\": {\"rows_compared\": " + std::to_string(agreement.compared) +
         ", \"rows_outside_ci99\": " + std::to_string(agreement.outside) +
         ", \"chance_of_any_outside\": " + Number(agreement.chanceOfAnyOutside) + "},\n";
  out += "  \"largest_win\": {\"credits\": " + std::to_string(s.largestWin) +
         ", \"multiple_of_stake\": " + Number(s.largestMultiple) + "},\n";
  out += "  \"win_distribution\": [";
  for (std::size_t k = 0; k < kWinBins; ++k)
    out += std::string(k ? ", " : "") + "{\"multiple\": " + Quote(WinBinLabel(k)) +
           ", \"share\": " + Number(s.winDistribution[k]) + "}";
  out += "],\n";
  out += "  \"exact_bonus_values_per_line_stake\": {";
  for (std::size_t g = 0; g < kBonusGames; ++g) {
    out += std::string(g ? ", " : "") + Quote(kBonusGameKeys[g]) + ": {";
    for (std::size_t n = 3; n <= kReels; ++n)
      out += std::string(n > 3 ? ", " : "") + "\"" + std::to_string(n) +
             "\": " + Number(s.bonusValue[g][n]);
    out += "}";
  }
  out += "},\n";
  out += "  \"speed\": {\"seconds\": " + Number(s.seconds) +
         ", \"paid_spins_per_second\": " + Number(s.paidSpinsPerSecond) +
         ", \"spins_per_second_per_thread\": " + Number(s.spinsPerSecondPerThread) + "},\n";
  out += "  \"exact_assumptions\": " + Strings(s.exactAssumptions) + ",\n";
  out += "  \"simulation_model\": " + Strings(s.simulationModel) + "\n";
  return out + "}\n";
}

}  // namespace tarvolenka::sim
