#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "bonus/cup_levels.h"
#include "catalogue/bottles_elements.h"
#include "catalogue/cups_elements.h"
#include "core/random.h"
#include "core/resume_record.h"

namespace tarvolenka {

// The bottles' rules: five bottles hide the multipliers 1..5, drawn from the generator; the
// player picks one.
class BottlesRules {
 public:
  void Deal(Random& rng);
  // The multiplier under `bottle` (1..5); the pick is final. Nothing once picked, or for a
  // bottle out of range.
  std::optional<int> Pick(int bottle);

  bool open() const { return open_; }
  const std::array<std::uint8_t, kBottles>& values() const { return values_; }

  // The resume file keeps the deal; a restored game waits for its pick again.
  BonusWindowState Snapshot() const;
  void Restore(const BonusWindowState& state);

 private:
  std::array<std::uint8_t, kBottles> values_{};
  bool open_ = false;
};

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
  bool opened(int cup) const { return opened_[static_cast<std::size_t>(cup - 1)]; }
  const std::array<std::int64_t, kCups>& prizes() const { return prizes_; }
  const std::array<std::uint8_t, kCupLevels.size()>& hits() const { return hits_; }

  BonusWindowState Snapshot() const;
  void Restore(const BonusWindowState& state, std::int64_t bonusSymbols);

 private:
  std::int64_t symbols_ = 0;
  std::array<std::int64_t, kCups> prizes_{};
  std::array<std::uint8_t, kCupLevels.size()> hits_{};
  std::array<bool, kCups> opened_{};
  bool open_ = false;
};

}  // namespace tarvolenka
