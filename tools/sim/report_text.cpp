#include <cstdio>

#include "tools/sim/reports.h"

namespace tarvolenka::sim {
namespace {

std::string Printf(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

double Shown(double v, Unit unit) {
  return unit == Unit::Percent ? 100 * v : v;
}

std::string Value(double v, Unit unit) {
  return Printf("%.4f", Shown(v, unit));
}

std::string Pad(std::string s, std::size_t width, bool right = false) {
  if (s.size() >= width) return s;
  const std::string fill(width - s.size(), ' ');
  return right ? fill + s : s + fill;
}

void Line(std::string& out, const std::string& text) {
  out += text + "\n";
}

// A bullet, wrapped at about 96 columns with its continuation lines indented.
void Bullet(std::string& out, const std::string& text) {
  constexpr std::size_t kWidth = 96;
  std::string line = "  -";
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find(' ', at);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(at, end - at);
    if (line.size() + 1 + word.size() > kWidth) {
      Line(out, line);
      line = "   ";
    }
    line += " " + word;
    at = end + 1;
  }
  Line(out, line);
}

}  // namespace

std::string TextReport(const Summary& s) {
  std::string out;
  Line(out, "Tarvolenka: return to player");
  for (const std::string& line : s.setting) Line(out, "  " + line);
  Line(out, "");
  Line(out,
       "'exact' is computed from the game's tables under the assumptions below; 'simulated' is");
  Line(out, "the run's estimate with its 99 % interval; 'in' tells whether the exact figure lies");
  Line(out, "inside that interval; rows without an exact figure are simulated only.");
  for (const Section& section : s.sections) {
    Line(out, "");
    Line(out, Pad(section.title, 52) + Pad("exact", 10, true) + Pad("simulated", 12, true) +
                  "   99 % interval          in");
    for (const Row& row : section.rows) {
      std::string text = Pad("  " + row.label, 52);
      text += Pad(row.exact ? Value(*row.exact, row.unit) : "-", 10, true);
      text += Pad(Value(row.simulated.value, row.unit), 12, true);
      text += "   " +
              Pad(Value(row.simulated.low, row.unit) + " .. " + Value(row.simulated.high, row.unit),
                  23);
      text += row.exact ? (row.Agrees() ? "yes" : "NO") : "";
      Line(out, text);
    }
  }
  Line(out, "");
  Bullet(out, AgreementSentence(CountAgreement(s)));
  Line(out, "");
  Line(out, "Largest win of a paid spin: " + std::to_string(s.largestWin) + " credits (" +
                Printf("%.1f", s.largestMultiple) + " x the stake)");
  Line(out, "");
  Line(out, "Distribution of a paid spin's win, multiples of the stake (simulated):");
  for (std::size_t k = 0; k < kWinBins; ++k)
    Line(out, "  " + Pad(WinBinLabel(k), 14) +
                  Pad(Printf("%.6f", 100 * s.winDistribution[k]), 12, true) + " %");
  Line(out, "");
  Line(out, "Exact bonus game values, per unit of stake per line (multiplier included):");
  Line(out, "  " + Pad("bonus symbols", 28) + Pad("3", 12, true) + Pad("4", 12, true) +
                Pad("5", 12, true));
  for (std::size_t g = 0; g < kBonusGames; ++g) {
    std::string text = "  " + Pad(kBonusGameNames[g], 28);
    for (std::size_t n = 3; n <= kReels; ++n)
      text += Pad(Printf("%.4f", s.bonusValue[g][n]), 12, true);
    Line(out, text);
  }
  Line(out, "");
  Line(out, "Speed: " + Printf("%.2f", s.seconds) + " s, " + Printf("%.0f", s.paidSpinsPerSecond) +
                " paid spins/s, " + Printf("%.0f", s.spinsPerSecondPerThread) +
                " spins/s per thread (features included)");
  Line(out, "");
  Line(out, "Exact figures assume:");
  for (const std::string& a : s.exactAssumptions) Bullet(out, a);
  Line(out, "Simulation model:");
  for (const std::string& m : s.simulationModel) Bullet(out, m);
  return out;
}

}  // namespace tarvolenka::sim
