#include "tools/sim/summary.h"

#include <cmath>
#include <cstdio>

#include <cstdio>

namespace tarvolenka::sim {
namespace {

Row Rtp(std::string key, std::string label, std::optional<double> exact, const Moments& m,
        std::int64_t n) {
  Estimate e = m.Mean(n);
  return {std::move(key), std::move(label), exact, e, Unit::Percent};
}

Row Rate(std::string key, std::string label, std::optional<double> exact, std::int64_t count,
         std::int64_t n) {
  return {std::move(key), std::move(label), exact, Proportion(count, n), Unit::Percent};
}

std::string Format(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

}  // namespace

std::string WinBinLabel(std::size_t bin) {
  if (bin == 0) return "0";
  if (bin + 1 == kWinBins) return "> " + Format("%g", kWinBinEdges[bin - 1]);
  return Format("%g", kWinBinEdges[bin - 1]) + " - " + Format("%g", kWinBinEdges[bin]);
}

Summary Summarize(const RunOptions& options, const ExactFigures& x, const RunResult& run) {
  const Tally& t = run.tally;
  const Settings& s = options.settings;
  const std::int64_t n = t.paidSpins;
  const std::int64_t stake = std::int64_t{s.lines} * s.stake;
  Summary out;
  out.options = options;
  out.setting = {
      std::to_string(options.spins) + " paid spins at " + std::to_string(s.lines) + " lines x " +
          std::to_string(s.stake) + " per line (" + std::to_string(stake) + " a spin)",
      std::to_string(options.threads) + " threads, seed " + std::to_string(options.seed),
      "bonus games: random picks; double-up: " + s.doubleUp.name(),
  };

  const bool gambling = s.doubleUp.plays();
  Section rtp{"rtp", "Return to player, % of the paid spin's stake", {}};
  rtp.rows.push_back(Rtp("lines", "lines (paid spins)", x.lines, t.lines, n));
  rtp.rows.push_back(Rtp("multiplier_lines", "  of which lines with a multiplier",
                         x.multiplierLines, t.multiplierLines, n));
  rtp.rows.push_back(
      Rtp("free_spins", "free spins (their lines and bonus games)", x.freeSpins, t.freeSpins, n));
  for (std::size_t g = 0; g < kBonusGames; ++g)
    rtp.rows.push_back(Rtp(std::string("bonus_") + kBonusGameKeys[g],
                           std::string("bonus: ") + kBonusGameNames[g], x.bonus[g], t.bonus[g], n));
  if (gambling) {
    rtp.rows.push_back(Rtp("double_up", "double-up (what it adds)", std::nullopt, t.doubleUp, n));
    rtp.rows.push_back(Rtp("total_without_double_up", "total without the double-up", x.total,
                           t.totalWithoutDoubleUp, n));
    rtp.rows.push_back(Rtp("total", "total", std::nullopt, t.total, n));
  } else {
    rtp.rows.push_back(Rtp("total", "total", x.total, t.total, n));
  }
  out.sections.push_back(std::move(rtp));

  Section hits{"hits", "Hit frequency", {}};
  hits.rows.push_back(
      Rate("paid_spins_won", "paid spins that win (any source)", std::nullopt, t.paidSpinsWon, n));
  hits.rows.push_back(Rate("spins_with_line_win", "spins with a line win (paid or free)",
                           std::nullopt, t.lineHits, t.spins));
  out.sections.push_back(std::move(hits));

  Section triggers{"triggers", "Triggers per spin (paid or free)", {}};
  for (int k = 3; k <= kReels; ++k) {
    const auto i = static_cast<std::size_t>(k);
    triggers.rows.push_back(Rate("scatters_" + std::to_string(k), std::to_string(k) + " scatters",
                                 x.scatterCount[i], t.scatterCount[i], t.spins));
  }
  triggers.rows.push_back(
      Rate("free_spins", "free spins awarded", x.freeSpinTrigger, t.freeSpinTriggers, t.spins));
  for (int k = 3; k <= kReels; ++k) {
    const auto i = static_cast<std::size_t>(k);
    triggers.rows.push_back(Rate("bonus_symbols_" + std::to_string(k),
                                 std::to_string(k) + " bonus symbols", x.bonusCount[i],
                                 t.bonusCount[i], t.spins));
  }
  triggers.rows.push_back(
      Rate("bonus_game", "bonus game opened", x.bonusTrigger, t.bonusTriggers, t.spins));
  for (std::size_t g = 0; g < kBonusGames; ++g)
    triggers.rows.push_back(Rate(std::string("bonus_") + kBonusGameKeys[g],
                                 std::string("  ") + kBonusGameNames[g], x.bonusGameRate[g],
                                 t.bonusGames[g], t.spins));
  Row perPaid{"free_spins_per_paid_spin", "free spins played per paid spin", x.freeSpinsPerPaidSpin,
              t.freeSpinsPerPaidSpin.Mean(n), Unit::Number};
  triggers.rows.push_back(perPaid);
  out.sections.push_back(std::move(triggers));

  Section spread{"spread", "Spread of a paid spin's return", {}};
  spread.rows.push_back({"volatility", "standard deviation, multiples of the stake", std::nullopt,
                         t.Volatility(), Unit::Number});
  if (gambling)
    spread.rows.push_back(
        {"double_up_return_per_credit",
         "double-up: in hand per credit gambled (" + std::to_string(t.gambles) + " gambles)",
         x.doubleUpReturnPerCredit, t.doubleUpReturn.Mean(t.gambles), Unit::Number});
  out.sections.push_back(std::move(spread));

  out.largestWin = t.largestWin;
  out.largestMultiple =
      stake > 0 ? static_cast<double>(t.largestWin) / static_cast<double>(stake) : 0;
  for (std::size_t k = 0; k < kWinBins; ++k)
    out.winDistribution[k] =
        n > 0 ? static_cast<double>(t.winHistogram[k]) / static_cast<double>(n) : 0;
  out.bonusValue = x.bonusValue;
  out.exactAssumptions = ExactAssumptions();
  out.simulationModel = {
      "The game's own logic plays: its reel advances with the stop schedule (8, 12, 15, 18, 21), "
      "its line evaluation, its free-spin award, its bonus sequence and windows and its double-up "
      "window, on a headless desktop.",
      "The game re-seeds its generator from the clock at every spin start, and when the golden "
      "pick or the double-up opens; each clock reading is modelled as uniform over the day's "
      "milliseconds 0..86399999, drawn from the thread's own stream (xoshiro256**, seeded per "
      "thread by splitmix64 steps from the run's seed).",
      "The reel window carries over from spin to spin as in the game; each thread starts from the "
      "start-up fill and runs " +
          std::to_string(Session::kWarmUpSpins) + " unrecorded spins.",
      "Free spins play with the same lines and stake (the game animates them at step 25, which "
      "changes nothing else); free spins won in free spins are added. A paid spin's return "
      "includes all of them.",
      "The player clicks uniformly among the clickable elements of each bonus window. In the "
      "double-up the player never uses the joker and thinks 0-2 s before each click, while the "
      "window's timers run (from rung 6 its shaking draws from the game's generator).",
      "The double-up is played, when chosen, on the last spin's win once play returns to the "
      "player, as the game offers it.",
      "Level awards, the timed bonus and the mega bonus do not come from spins and are left out.",
      "Intervals are 99 %: normal intervals for the means, treating paid spins as independent, "
      "and Wilson score intervals for the proportions.",
  };
  out.seconds = run.seconds;
  out.paidSpinsPerSecond = run.seconds > 0 ? static_cast<double>(n) / run.seconds : 0;
  out.spinsPerSecondPerThread =
      run.seconds > 0 ? static_cast<double>(t.spins) / run.seconds / options.threads : 0;
  return out;
}

Agreement CountAgreement(const Summary& summary) {
  Agreement a;
  for (const Section& section : summary.sections)
    for (const Row& row : section.rows) {
      if (row.simulatedOnly()) continue;
      ++a.compared;
      if (!row.Agrees()) ++a.outside;
    }
  a.chanceOfAnyOutside = 1 - std::pow(0.99, a.compared);
  return a;
}

std::string AgreementSentence(const Agreement& a) {
  char text[400];
  std::snprintf(
      text, sizeof text,
      "The exact figure lies outside its 99 %% interval in %d of %d rows. By chance alone "
      "a row falls outside once in a hundred runs, so about %.0f %% of runs show at least "
      "one such row; the same row outside run after run, or far outside, points to a "
      "fault.",
      a.outside, a.compared, 100 * a.chanceOfAnyOutside);
  return text;
}

}  // namespace tarvolenka::sim
