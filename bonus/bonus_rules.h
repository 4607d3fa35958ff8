#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/resume_record.h"

namespace tarvolenka {

// The bonus games the chooser's hats hide.
enum BonusGame : std::uint8_t { kNoBonusGame = 0, kDrinksGame = 1, kMezeGame = 2, kGoldenGame = 3 };
// Their names as the windows show them, by BonusGame; a round with no game chosen is a bonus.
inline constexpr std::array<std::string_view, 4> kBonusGameNames{"БОНУС", "ПИЯН БОНУС",
                                                                 "МЕЗЕ БОНУС", "ЗЛАТЕН БОНУС"};
constexpr std::string_view BonusGameName(std::uint8_t game) {
  return kBonusGameNames[game < kBonusGameNames.size() ? game : 0];
}

// The bonus round of a spin, stage by stage: the pause before the chooser, the chooser, the
// chosen game's one or two games, the result and its pay. It keeps the round's values as the
// games give them; the games themselves have rules of their own, and their outcomes come in
// here. Plain state: the bonus sequence shows it in windows, the simulator plays it bare.
class BonusRules {
 public:
  // A new round on a spin's `bonusSymbols`; whether they are enough to open it. A round that
  // does not open is over at once, with nothing to play.
  bool Open(int bonusSymbols);
  // An interrupted round, continued at `stage` with the values it had.
  void Restore(BonusStageId stage, const BonusRound& round);

  // The outcomes of the games, as they come.
  void Chose(std::uint8_t game) { round_.choice = game; }
  void BottlePicked(int bottle, int multiplier);
  void CupsWon(std::int64_t result) { round_.amount = result; }
  void MezeTotal(std::int64_t total) { round_.amount = total; }
  void FoulsAllowed(std::uint8_t fouls) { round_.goldenPick = fouls; }
  void BoardPrize(std::int64_t prize) { round_.amount = prize; }

  // The stage done, the round moves on to the next one and names it. Leaving the pause, the
  // chooser opens with no game chosen; leaving the chooser, the chosen game starts from nothing.
  BonusStageId Next();
  // The result confirmed: what the round pays at `lineStake` per line, which the round then
  // keeps as its amount. The round is over.
  std::int64_t Pay(std::int32_t lineStake);

  BonusStageId stage() const { return stage_; }
  const BonusRound& round() const { return round_; }
  // The round's win at `lineStake`: stake per line × multiplier × the game's result.
  std::int64_t Win(std::int32_t lineStake) const { return Win(lineStake, round_.amount); }
  // What a game's `result` would pay, before it is given to the round.
  std::int64_t Win(std::int32_t lineStake, std::int64_t result) const;

 private:
  BonusStageId FirstStageOfChoice();

  BonusRound round_;
  BonusStageId stage_ = BonusStageId::Paid;
};

}  // namespace tarvolenka
