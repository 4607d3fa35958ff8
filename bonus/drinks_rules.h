#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "bonus/cup_levels.h"
#include "bonus/single_pick.h"
#include "catalogue/bottles_elements.h"
#include "catalogue/cups_elements.h"
#include "core/random.h"
#include "core/resume_record.h"

namespace tarvolenka {

// The bottles' rules: five bottles hide the multipliers 1..5, drawn from the generator; the
// player picks one.
using BottlesRules = SinglePick<kBottles>;

// What a cup opened did.
struct CupPick {
  std::int64_t prize = 0;
  // The first prize level found three times, once one has been: the game's result.
  std::optional<std::int64_t> result;
};

// The cups' rules: fifteen cups hide five prize levels three times each, per bonus symbol;
// the player opens cups until one level has been found three times. A cup already open
// counts again.
class CupsRules {
 public:
  void Deal(std::int64_t bonusSymbols, Random& rng);
  // Opens `cup` (1..15); nothing once the game is over, or for a cup out of range.
  std::optional<CupPick> Pick(int cup);

  bool open() const { return open_; }
  // The game's result once a level has been found three times.
  std::optional<std::int64_t> result() const { return result_; }
  bool opened(int cup) const { return opened_[static_cast<std::size_t>(cup - 1)]; }
  const std::array<std::int64_t, kCups>& prizes() const { return prizes_; }
  const std::array<std::uint8_t, kCupLevels.size()>& hits() const { return hits_; }
  // The prize of level `level` (0..4, as kCupLevels) in this deal.
  std::int64_t levelPrize(std::size_t level) const { return kCupLevels[level] * symbols_; }

  BonusWindowState Snapshot() const;
  void Restore(const BonusWindowState& state, std::int64_t bonusSymbols);
  // A game still in play that a deal for `bonusSymbols` can reach: every level under three
  // cups, and each level's count at least its cups opened and short of three.
  static bool Plausible(const BonusWindowState& state, std::int64_t bonusSymbols);

 private:
  std::int64_t symbols_ = 0;
  std::array<std::int64_t, kCups> prizes_{};
  std::array<std::uint8_t, kCupLevels.size()> hits_{};
  std::array<bool, kCups> opened_{};
  std::optional<std::int64_t> result_;
  bool open_ = false;
};

}  // namespace tarvolenka
