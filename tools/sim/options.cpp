#include "tools/sim/options.h"

#include <charconv>

#include "core/paylines.h"
#include "core/stake_ladder.h"

namespace tarvolenka::sim {
namespace {

constexpr int kMaxThreads = 1024;

template <class T>
bool ParseNumber(const std::string& text, T low, T high, T& out) {
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
    return false;
  out = value;
  return true;
}

}  // namespace

std::string Usage() {
  return "usage: tarvolenka-sim [options]\n"
         "Plays the machine's own logic headless and prints its return to player, exact and\n"
         "simulated, by source, with hit frequency, trigger rates and volatility.\n"
         "  --spins N        paid spins to play (default 10000000)\n"
         "  --lines L        lines played, 1.." +
         std::to_string(kPaylines) +
         " (default 50)\n"
         "  --stake S        stake per line, 1.." +
         std::to_string(kStakeLadder[kStakeSteps]) +
         " (default 1)\n"
         "  --threads T      threads (default: the hardware's, here the number of cores)\n"
         "  --seed X         seed of the run (default 1); the same seed and threads give the same "
         "figures\n"
         "  --double S       double-up strategy: never (default), collect-at:K (K = 1..7, random\n"
         "                   guesses), always-vodka, always-beer\n"
         "  --json           print JSON instead of the table\n"
         "  --report DIR     also write DIR/summary.md and DIR/win-distribution.png\n"
         "  --no-progress    no progress bar on a terminal\n"
         "  --help           this text\n";
}

std::optional<Options> ParseOptions(const std::vector<std::string>& args, unsigned hardwareThreads,
                                    std::string& error) {
  Options o;
  o.run.threads = hardwareThreads > 0 ? static_cast<int>(hardwareThreads) : 1;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const auto value = [&]() -> const std::string* {
      if (i + 1 >= args.size()) return nullptr;
      return &args[++i];
    };
    const auto bad = [&](const std::string& what) {
      error = "bad " + a + (what.empty() ? "" : ": " + what);
      return std::nullopt;
    };
    if (a == "--json") {
      o.json = true;
    } else if (a == "--no-progress") {
      o.progress = false;
    } else if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--spins" || a == "--lines" || a == "--stake" || a == "--threads" ||
               a == "--seed" || a == "--double" || a == "--report") {
      const std::string* v = value();
      if (v == nullptr) return bad("a value is missing");
      if (a == "--spins" && !ParseNumber<std::int64_t>(*v, 1, std::int64_t{1} << 50, o.run.spins))
        return bad(*v);
      if (a == "--lines" && !ParseNumber(*v, 1, kPaylines, o.run.settings.lines)) return bad(*v);
      if (a == "--stake" && !ParseNumber(*v, 1, kStakeLadder[kStakeSteps], o.run.settings.stake))
        return bad(*v);
      if (a == "--threads" && !ParseNumber(*v, 1, kMaxThreads, o.run.threads)) return bad(*v);
      if (a == "--seed" && !ParseNumber<std::uint64_t>(*v, 0, ~std::uint64_t{0}, o.run.seed))
        return bad(*v);
      if (a == "--double") {
        const auto strategy = ParseDoubleStrategy(*v);
        if (!strategy) return bad(*v);
        o.run.settings.doubleUp = *strategy;
      }
      if (a == "--report") o.reportDir = *v;
    } else {
      error = "unknown option " + a;
      return std::nullopt;
    }
  }
  return o;
}

}  // namespace tarvolenka::sim
