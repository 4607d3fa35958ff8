#include "tools/sim/exact_bonus.h"

#include <map>
#include <numeric>
#include <vector>

#include "bonus/cup_levels.h"
#include "bonus/ladder_table.h"
#include "game/game.h"
#include "tools/sim/headless_desktop.h"
#include "tools/sim/player.h"

namespace tarvolenka::sim {
namespace {

// The machines keep no save file.
constexpr const char* kNoSaveFile = "";

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

// The game's windows on a headless desktop; their deals are read straight after OnShow.
struct BonusCalculator::Game {
  Stream stream{1};
  HeadlessDesktop desktop{stream};
  tarvolenka::Game game{desktop, kNoSaveFile};
  RandomPlayer player{stream, game.doubleUp(), DoubleStrategy{}};
  Game() {
    desktop.SetPlayer(&player);
    game.machine().State = NewGameState(desktop.NowLocal());
    game.machine().State.SoundOn = 0;
    game.machine().State.LineStake = 1;
  }
};

BonusCalculator::BonusCalculator() : game_(std::make_unique<Game>()) {}
BonusCalculator::~BonusCalculator() = default;

bool BonusCalculator::Opens(int bonusSymbols) {
  Machine& m = game_->game.machine();
  m.Reels.cells.fill(1);
  for (int reel = 1; reel <= bonusSymbols; ++reel) m.Reels.at(1, reel) = kBonusSymbol;
  constexpr std::uint8_t kUntouched = 0xFF;
  m.BonusChoice = kUntouched;
  game_->game.bonus().RunBonus({});
  return m.BonusChoice != kUntouched;
}

std::array<double, 3> BonusCalculator::ChooserShares() {
  game_->game.chooser().OnShow();
  std::array<double, 3> share{};
  for (std::uint8_t bonus : game_->game.chooser().hatContents())
    share[static_cast<std::size_t>(bonus - 1)] += 1.0 / 3;
  return share;
}

double BonusCalculator::BottleMultiplier() {
  game_->game.bottles().OnShow();
  return Mean(game_->game.bottles().bottleValues());
}

double BonusCalculator::CupPrize(int bonusSymbols) {
  game_->game.machine().BonusSymbolCount = bonusSymbols;
  game_->game.cups().OnShow();
  std::map<std::int64_t, int> cupsOf;
  for (std::int64_t prize : game_->game.cups().cupPrizes()) ++cupsOf[prize];
  std::vector<double> p, prize;
  const double cups = static_cast<double>(game_->game.cups().cupPrizes().size());
  for (const auto& [value, count] : cupsOf) {
    prize.push_back(static_cast<double>(value));
    p.push_back(count / cups);
  }
  std::vector<int> hits(p.size(), 0);
  return CupsValue(p, prize, hits, kCupsPerLevel);
}

double BonusCalculator::DrinksValue(int bonusSymbols) {
  return BottleMultiplier() * CupPrize(bonusSymbols);
}

double BonusCalculator::MezeValue(int bonusSymbols) {
  game_->game.machine().BonusSymbolCount = bonusSymbols;
  game_->game.meze().OnShow();
  const auto& rows = game_->game.meze().mezePrizes();
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
  game_->game.goldenPick().OnShow();
  game_->game.goldenBoard().OnShow();
  const auto& cells = game_->game.goldenBoard().rules().cells();
  const int coins = static_cast<int>(std::accumulate(cells.begin(), cells.end(), 0));
  const int fouls = static_cast<int>(cells.size()) - coins;
  double value = 0;
  const auto& picks = game_->game.goldenPick().goldenPickValues();
  for (std::uint8_t allowed : picks) value += BoardValue(coins, fouls, 0, 0, allowed);
  return value / static_cast<double>(picks.size());
}

}  // namespace tarvolenka::sim
