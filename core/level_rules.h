#pragma once

#include <cstdint>

#include "core/date_time.h"
#include "core/game_state.h"

namespace tarvolenka {

// The levels' rules over the saved state: every stake played adds to the experience; reaching
// the next threshold raises the level, with a higher stake ceiling, timed bonus and mega bonus
// ceiling, and pays the level's award.
class LevelRules {
 public:
  explicit LevelRules(GameState& state) : s_(state) {}

  // Raises the level once, when its threshold is reached and the top level is not; false
  // when nothing changed.
  bool RaiseIfDue();
  // The new level's award, paid into the balance and shown as the last win.
  std::int64_t PayAward();

  static constexpr std::int64_t AwardOf(std::int32_t level) { return std::int64_t{level} * 2000; }
  // The experience between reaching `level` and the threshold of the level after it.
  static constexpr std::int64_t ExperienceToLeave(std::int32_t level) {
    return std::int64_t{level} * 20000;
  }

 private:
  GameState& s_;
};

// The stage at which the timed bonus opens the mega bonus: the ordinary ones before it are
// stages 0 to 4.
inline constexpr std::uint8_t kMegaBonusStage = 5;

// Which window the timed bonus opens.
enum class TimedBonusKind : std::uint8_t { Timed, Mega };

// The hourly timed bonus's rules over the saved state: taken once due, it pays the level's
// timed bonus, and every sixth one is the mega bonus instead; the next is due an hour after
// it was paid.
class TimedBonusRules {
 public:
  explicit TimedBonusRules(GameState& state) : s_(state) {}

  // The stage (0..5) shown beside the bonus; a stage out of range starts again from 0.
  std::uint8_t Stage();
  // Taking the bonus: the joker is re-armed and the last win cleared for the bonus to fill.
  TimedBonusKind Take();
  // The timed bonus window's amount, which becomes the last win.
  std::int64_t Award();
  // Once its window has closed: the last win is paid, the next bonus is due an hour from
  // `now` and the stage moves on. True when it was the mega bonus.
  bool Pay(DateTime now);

 private:
  GameState& s_;
};

}  // namespace tarvolenka
