#pragma once

#include <cstdint>

#include "catalogue/mega_bonus_elements.h"
#include "core/random.h"
#include "core/resume_record.h"

namespace tarvolenka {

// What one step of the light did.
struct MegaStep {
  std::uint8_t light = 1;    // the cell it stands on now
  bool stopOffered = false;  // the player may ask it to stop from now on
  bool rested = false;       // it has come to rest: the prize under it is won
};

// The mega bonus wheel's rules: a light runs round sixteen prizes, a multiple each of the timed
// bonus, for a drawn number of steps; a stop asked for leaves it a few drawn steps more, and
// it slows down over the last fifteen.
class MegaWheelRules {
 public:
  enum class Phase : std::uint8_t { Dealt, Running, StopAsked, Rested };

  // Sets the prizes from the timed bonus and places the light on a drawn cell.
  void Deal(std::int64_t timedBonus, Random& rng);
  // Sets the light running.
  void Start(Random& rng);
  // The player's stop: the light runs a few drawn steps more.
  void Stop(Random& rng);
  // The light moves on one cell. Only while it runs.
  MegaStep Step();
  // The time until the next step, in milliseconds: slower as the light comes to rest.
  int Pace() const;

  std::int64_t Prize(int cell) const;
  std::uint8_t light() const { return light_; }
  std::uint32_t stepsLeft() const { return stepsLeft_; }
  Phase phase() const { return phase_; }
  // The player may ask the running light to stop.
  bool stopOffered() const;

  // The wheel as the resume file keeps it, and back. Restore refuses what play cannot reach:
  // a light off the ring, more steps left than a start or a stop gives, a rest with steps left.
  BonusWindowState Snapshot() const;
  bool Restore(const BonusWindowState& state);
  static bool Plausible(const BonusWindowState& state);

 private:
  std::int64_t timedBonus_ = 0;
  std::uint8_t light_ = 1;
  std::uint32_t stepsLeft_ = 0;
  Phase phase_ = Phase::Dealt;
};

}  // namespace tarvolenka
