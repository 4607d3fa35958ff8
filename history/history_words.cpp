#include "history/history_words.h"

#include <algorithm>
#include <array>
#include <vector>

#include "catalogue/symbol_names.h"
#include "core/arith.h"

namespace tarvolenka {
namespace {

constexpr std::array<std::string_view, 4> kBonusNames{"бонус без избор", "Пиян бонус", "Мезе бонус",
                                                      "Златен бонус"};

std::string Num(std::int64_t v) {
  return std::to_string(v);
}

std::string_view DrinkName(int drink) {
  return drink == 1 ? "водка" : "бира";
}

std::string PickWords(const BonusPick& p) {
  const std::string_view stage = p.stage;
  if (stage == "bottle") return "бутилка " + Num(p.choice) + " → множител ×" + Num(p.revealed);
  if (stage == "cup") return "чаша " + Num(p.choice) + " → " + Num(p.revealed);
  if (stage == "meze")
    return "ред " + Num(p.row) + ", мезе " + Num(p.choice) + " → " +
           (p.revealed == 0 ? std::string("нула") : Num(p.revealed));
  if (stage == "cover") return "капак " + Num(p.choice) + " → " + Num(p.revealed) + " фала";
  if (stage == "cell")
    return "поле " + Num(p.choice) + " → " + (p.revealed != 0 ? "монета" : "фал");
  return "избор " + Num(p.choice) + " → " + Num(p.revealed);
}

std::string Features(const PastGame& g) {
  std::vector<std::string> parts;
  for (const SpinRecord& s : g.spins)
    if (s.bonusPlayed) parts.push_back(std::string(BonusName(s.bonus.kind)));
  if (g.freeSpinsWon > 0) parts.push_back(Num(g.freeSpinsWon) + " безплатни");
  // A double-up collected before any draw gambled nothing, so it is no feature of the game.
  if (g.doubleUp && !g.doubleUp->steps.empty()) {
    const std::int64_t gain = SatSub(g.doubleUp->collected, g.doubleUp->staked);
    parts.push_back(g.doubleUp->collected > 0 ? "дубъл +" + Num(gain) : "дубъл загубен");
  }
  std::string out;
  for (const std::string& p : parts) out += (out.empty() ? "" : " · ") + p;
  return out;
}

}  // namespace

std::string_view BonusName(int kind) {
  return kind >= 0 && kind < static_cast<int>(kBonusNames.size())
             ? kBonusNames[static_cast<std::size_t>(kind)]
             : kBonusNames[0];
}

std::string_view SymbolName(SymbolId symbol) {
  return SymbolNameOf(symbol);
}

std::string LocalDateText(std::string_view iso) {
  if (iso.size() < 19) return std::string(iso);
  return std::string(iso.substr(8, 2)) + "." + std::string(iso.substr(5, 2)) + "." +
         std::string(iso.substr(0, 4)) + " " + std::string(iso.substr(11, 8));
}

std::string GameRowText(const PastGame& g) {
  const std::string when = LocalDateText(g.timeText);
  const std::string shortWhen =
      when.size() >= 19 ? when.substr(0, 5) + " " + when.substr(11) : when;
  std::string second = Features(g);
  if (second.empty()) second = g.won > 0 ? "печалба от линии" : "без печалба";
  return shortWhen + "   залог " + Num(g.stake) + "   печалба " + Num(g.won) + "\n" + second;
}

std::string GameTitleText(const PastGame& g) {
  return LocalDateText(g.timeText) + "   ·   " + Num(g.lineCount) + " линии × " + Num(g.lineStake) +
         " = " + Num(g.stake) + "   ·   ниво " + Num(g.level);
}

std::string SpinCaption(const PastGame& g, int spin) {
  if (spin == 0) {
    return g.spins.size() > 1
               ? "Платено завъртане (и " + Num(static_cast<int>(g.spins.size()) - 1) +
                     " безплатни след него)"
               : "Платено завъртане";
  }
  return "Безплатно завъртане " + Num(spin) + " от " + Num(static_cast<int>(g.spins.size()) - 1);
}

std::string SpinDetails(const PastGame& g, int spinIndex) {
  const SpinRecord& s = g.spins.at(static_cast<std::size_t>(spinIndex));
  std::string out;
  // Lines that paid alike are told together: the same run of the same symbol for the same pay,
  // the biggest total first.
  struct Alike {
    LineWinRecord win;
    std::vector<int> lines;
  };
  std::vector<Alike> alike;
  std::int64_t linesPaid = 0;
  for (const LineWinRecord& w : s.wins) {
    linesPaid = SatAdd(linesPaid, w.pay);
    auto same = std::find_if(alike.begin(), alike.end(), [&w](const Alike& a) {
      return a.win.symbol == w.symbol && a.win.length == w.length && a.win.factor == w.factor &&
             a.win.pay == w.pay;
    });
    if (same == alike.end()) same = alike.insert(alike.end(), {w, {}});
    same->lines.push_back(w.line);
  }
  // An edited history may hold any numbers: the totals saturate rather than overflow.
  const auto total = [](const Alike& a) {
    return SatMul(a.win.pay, static_cast<std::int64_t>(a.lines.size()));
  };
  std::stable_sort(alike.begin(), alike.end(),
                   [&total](const Alike& a, const Alike& b) { return total(a) > total(b); });
  if (alike.empty()) out += "Няма печеливши линии.\n";
  for (const Alike& a : alike) {
    const LineWinRecord& win = a.win;
    const std::vector<int>& lines = a.lines;
    out += Num(win.length) + " × " + std::string(SymbolName(win.symbol));
    if (win.factor > 1) out += " с множител ×" + Num(win.factor);
    out += lines.size() > 1 ? " на линии " : " на линия ";
    for (std::size_t i = 0; i < lines.size(); ++i) out += (i > 0 ? ", " : "") + Num(lines[i]);
    out += ": ";
    if (lines.size() > 1) out += Num(static_cast<int>(lines.size())) + " × " + Num(win.pay) + " = ";
    out += Num(SatMul(win.pay, static_cast<std::int64_t>(lines.size()))) + "\n";
  }
  if (alike.size() > 1) out += "Линиите платиха " + Num(linesPaid) + ".\n";
  if (s.scatters >= 3)
    out += Num(s.scatters) + " скатера: " + Num(s.freeSpinsAwarded) + " безплатни завъртания.\n";
  if (s.bonusPlayed) {
    out += std::string(BonusName(s.bonus.kind)) + " от " + Num(s.bonus.symbols) + " бонус символа";
    if (s.bonus.multiplier > 1) out += ", множител ×" + Num(s.bonus.multiplier);
    out += ": ";
    for (std::size_t i = 0; i < s.bonus.picks.size(); ++i)
      out += (i > 0 ? "; " : "") + PickWords(s.bonus.picks[i]);
    out += (s.bonus.picks.empty() ? "" : ". ") + std::string("Изплатени ") + Num(s.bonus.amount);
    // The credits paid are the game's result times the multiplier and the stake per line.
    const std::int64_t per =
        SatMul(std::max<std::int64_t>(s.bonus.multiplier, 1), std::int64_t{g.lineStake});
    if (per > 1 && s.bonus.amount > 0 && s.bonus.amount % per == 0) {
      out += " = " + Num(s.bonus.amount / per);
      if (s.bonus.multiplier > 1) out += " × " + Num(s.bonus.multiplier);
      out += " × " + Num(g.lineStake) + " на линия";
    }
    out += ".\n";
  }
  out += "\nИграта: залог " + Num(g.stake) + ", печалба " + Num(g.won) + ", баланс " +
         Num(g.balanceBefore) + " → " + Num(g.balanceAfter) + ".";
  if (g.interrupted)
    out += " Програмата спря по време на играта; тя е довършена при следващото пускане.";
  if (g.doubleUp) {
    const PastDoubleUp& d = *g.doubleUp;
    out += "\nДубъл с " + Num(d.staked) + ": ";
    if (d.interrupted) out += "програмата спря, докато беше отворен; ";
    for (std::size_t i = 0; i < d.steps.size(); ++i) {
      const DoubleStepRecord& step = d.steps[i];
      out += i > 0 ? "; " : "";
      if (step.joker) {
        out += "жокер ✓";
      } else {
        out += std::string(DrinkName(step.guess)) + ", излезе " +
               std::string(DrinkName(step.drawn)) + (step.guess == step.drawn ? " ✓" : " ✗");
      }
    }
    out += (d.steps.empty() ? "" : ". ") +
           (d.collected > 0 ? "Прибрани " + Num(d.collected) + "." : std::string("Загубен."));
    // The game's balance is before the double-up; the one after it is told too.
    const std::int64_t after =
        d.balanceAfter.value_or(SatAdd(SatSub(g.balanceAfter, d.staked), d.collected));
    out += "\nБаланс след дубъла " + Num(after) + ".";
  }
  return out;
}

}  // namespace tarvolenka
