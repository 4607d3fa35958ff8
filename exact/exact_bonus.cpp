#include "exact/exact_bonus.h"

#include <map>
#include <numeric>
#include <vector>

#include "bonus/cup_levels.h"
#include "bonus/drinks_rules.h"
#include "bonus/golden_board_rules.h"
#include "bonus/ladder_table.h"
#include "bonus/meze_rules.h"
#include "bonus/single_pick.h"
#include "core/bonus_trigger.h"

namespace tarvolenka {
namespace {

template <class Values>
double Mean(const Values& values) {
  double sum = 0;
  for (auto v : values) sum += static_cast<double>(v);
  return sum / static_cast<double>(std::size(values));
}

// Expected prize when each click finds level l with probability p[l], a level pays once it has
// been found `needed` times, and `hits` holds the finds so far.
double CupsValue(const std::vector<double>& p, const std::vector<double>& prize,
                 std::vector<int>& hits, int needed) {
  double value = 0;
  for (std::size_t l = 0; l < p.size(); ++l) {
    if (p[l] == 0) continue;
    if (hits[l] + 1 == needed) {
      value += p[l] * prize[l];
      continue;
    }
    ++hits[l];
    value += p[l] * CupsValue(p, prize, hits, needed);
    --hits[l];
  }
  return value;
}

// Expected rung prize with `coins` coins and `fouls` fouls still covered, `found` coins and
// `fouled` fouls uncovered, until `allowed` fouls.
double BoardValue(int coins, int fouls, int found, int fouled, int allowed) {
  if (fouled == allowed)
    return static_cast<double>(kLadderTable[static_cast<std::size_t>(found)].prize);
  const double covered = coins + fouls;
  double value = 0;
  if (coins > 0)
    value += coins / covered * BoardValue(coins - 1, fouls, found + 1, fouled, allowed);
  if (fouls > 0)
    value += fouls / covered * BoardValue(coins, fouls - 1, found, fouled + 1, allowed);
  return value;
}

}  // namespace

bool BonusCalculator::Opens(int bonusSymbols) {
  return OpensBonus(bonusSymbols);
}

std::array<double, 3> BonusCalculator::ChooserShares() {
  SinglePick<3> hats;
  hats.DealEachValueOnce(rng_);
  std::array<double, 3> share{};
  for (std::uint8_t bonus : hats.values()) share[static_cast<std::size_t>(bonus - 1)] += 1.0 / 3;
  return share;
}

double BonusCalculator::BottleMultiplier() {
  BottlesRules bottles;
  bottles.DealEachValueOnce(rng_);
  return Mean(bottles.values());
}

double BonusCalculator::CupPrize(int bonusSymbols) {
  CupsRules cups;
  cups.Deal(bonusSymbols, rng_);
  std::map<std::int64_t, int> cupsOf;
  for (std::int64_t prize : cups.prizes()) ++cupsOf[prize];
  std::vector<double> p, prize;
  const double count = static_cast<double>(cups.prizes().size());
  for (const auto& [value, n] : cupsOf) {
    prize.push_back(static_cast<double>(value));
    p.push_back(n / count);
  }
  std::vector<int> hits(p.size(), 0);
  return CupsValue(p, prize, hits, kCupsPerLevel);
}

double BonusCalculator::DrinksValue(int bonusSymbols) {
  return BottleMultiplier() * CupPrize(bonusSymbols);
}

double BonusCalculator::MezeValue(int bonusSymbols) {
  MezeRules meze;
  meze.Deal(bonusSymbols, rng_);
  const auto& rows = meze.prizes();
  // From the top row down: the value of playing row r onwards.
  double after = 0;
  for (std::size_t r = rows.size(); r-- > 0;) {
    double value = 0;
    for (std::int64_t v : rows[r]) value += static_cast<double>(v) + (v != 0 ? after : 0.0);
    after = value / static_cast<double>(rows[r].size());
  }
  return after;
}

double BonusCalculator::GoldenValue() {
  SinglePick<3> covers;
  covers.DealIntoDrawnCovers(rng_, 2);
  GoldenBoardRules board;
  board.Deal(2, rng_);
  const auto& cells = board.cells();
  const int coins = static_cast<int>(std::accumulate(cells.begin(), cells.end(), 0));
  const int fouls = static_cast<int>(cells.size()) - coins;
  double value = 0;
  for (std::uint8_t allowed : covers.values()) value += BoardValue(coins, fouls, 0, 0, allowed);
  return value / static_cast<double>(covers.values().size());
}

}  // namespace tarvolenka
