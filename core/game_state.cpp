#include "core/game_state.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

#include "core/arith.h"
#include "core/level_rules.h"
#include "core/stake_ladder.h"

namespace tarvolenka {
namespace {

// The top of the stake ladder.
constexpr std::int32_t kTopLineStake = 100000;

// Little-endian field codec over the 120 bytes.
class Writer {
 public:
  explicit Writer(SaveBytes& out) : out_(out) {}
  template <class T>
  void Put(T value) {
    using U = std::make_unsigned_t<T>;
    auto u = static_cast<U>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i)
      out_[pos_++] = static_cast<std::uint8_t>(u >> (8 * i));
  }
  void Put(double value) { Put(std::bit_cast<std::int64_t>(value)); }
  template <std::size_t N>
  void Put(const std::array<std::uint8_t, N>& raw) {
    std::copy(raw.begin(), raw.end(), out_.begin() + static_cast<std::ptrdiff_t>(pos_));
    pos_ += N;
  }
  std::size_t pos() const { return pos_; }

 private:
  SaveBytes& out_;
  std::size_t pos_ = 0;
};

class Reader {
 public:
  explicit Reader(const SaveBytes& in) : in_(in) {}
  template <class T>
  void Get(T& value) {
    using U = std::make_unsigned_t<T>;
    U u = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
      u |= static_cast<U>(static_cast<U>(in_[pos_++]) << (8 * i));
    value = static_cast<T>(u);
  }
  void Get(double& value) {
    std::int64_t bits = 0;
    Get(bits);
    value = std::bit_cast<double>(bits);
  }
  template <std::size_t N>
  void Get(std::array<std::uint8_t, N>& raw) {
    std::copy_n(in_.begin() + static_cast<std::ptrdiff_t>(pos_), N, raw.begin());
    pos_ += N;
  }
  std::size_t pos() const { return pos_; }

 private:
  const SaveBytes& in_;
  std::size_t pos_ = 0;
};

}  // namespace

SaveBytes Encode(const GameState& s) {
  SaveBytes out{};
  Writer w(out);
  w.Put(s.Balance);
  w.Put(s.LastWin);
  w.Put(s.LineCount);
  w.Put(s.LineStake);
  w.Put(s.TotalStake);
  w.Put(s.Level);
  w.Put(s.StakeStep);
  w.Put(s.MaxLineStake);
  w.Put(s.JokerUses);
  w.Put(s.Unused44);
  w.Put(s.Experience);
  w.Put(s.LevelStartExperience);
  w.Put(s.NextLevelExperience);
  w.Put(s.Reserved72);
  w.Put(s.TimedBonusAmount);
  w.Put(s.MegaBonusCeiling);
  w.Put(s.BonusStage);
  w.Put(s.Unused97);
  w.Put(s.BonusDueTime);
  w.Put(s.SoundOn);
  w.Put(s.Unused113);
  return out;
}

GameState Decode(const SaveBytes& bytes) {
  GameState s;
  Reader r(bytes);
  r.Get(s.Balance);
  r.Get(s.LastWin);
  r.Get(s.LineCount);
  r.Get(s.LineStake);
  r.Get(s.TotalStake);
  r.Get(s.Level);
  r.Get(s.StakeStep);
  r.Get(s.MaxLineStake);
  r.Get(s.JokerUses);
  r.Get(s.Unused44);
  r.Get(s.Experience);
  r.Get(s.LevelStartExperience);
  r.Get(s.NextLevelExperience);
  r.Get(s.Reserved72);
  r.Get(s.TimedBonusAmount);
  r.Get(s.MegaBonusCeiling);
  r.Get(s.BonusStage);
  r.Get(s.Unused97);
  r.Get(s.BonusDueTime);
  r.Get(s.SoundOn);
  r.Get(s.Unused113);
  return s;
}

GameState NewGameState(DateTime now) {
  GameState s;
  s.SoundOn = 1;
  s.Balance = 30000;
  s.LastWin = 0;
  s.LineCount = 50;
  s.LineStake = 1;
  s.TotalStake = s.LineCount * s.LineStake;
  s.Level = 1;
  s.MaxLineStake = s.Level * 10;
  s.Experience = 0;
  s.LevelStartExperience = 0;
  s.TimedBonusAmount = s.Level * 100;
  s.MegaBonusCeiling = s.Level * 2000;
  s.NextLevelExperience = s.Level * 20000 + s.LevelStartExperience;
  s.BonusDueTime = now;
  s.StakeStep = 1;
  return s;
}

unsigned RepairGameState(GameState& s, DateTime now) {
  unsigned repaired = 0;
  if (s.LineCount < 1 || s.LineCount > 50) {
    s.LineCount = std::clamp(s.LineCount, 1, 50);
    repaired |= kRepairedLineCount;
  }
  if (s.Level < 1 || s.Level > kTopLevel) {
    s.Level = std::clamp(s.Level, 1, kTopLevel);
    repaired |= kRepairedLevel;
  }
  // The stake per line goes as high as the level's maximum, or the ladder's top; a stake above
  // it takes the maximum and the step play gives it, so that going down stays on the ladder.
  const std::int32_t highestStake = std::min(s.Level * 10, kTopLineStake);
  if (s.LineStake < 1 || s.LineStake > highestStake) {
    s.LineStake = std::clamp(s.LineStake, 1, highestStake);
    repaired |= kRepairedLineStake;
    if (s.StakeStep != StakeStepOf(s.LineStake)) {
      s.StakeStep = StakeStepOf(s.LineStake);
      repaired |= kRepairedStakeStep;
    }
  }
  // A step above the maximum's would take a lower stake beyond it.
  const std::int32_t highestStep = StakeStepOf(highestStake);
  if (s.StakeStep < 1 || s.StakeStep > highestStep) {
    s.StakeStep = std::clamp(s.StakeStep, 1, highestStep);
    repaired |= kRepairedStakeStep;
  }
  if (!std::isfinite(s.BonusDueTime)) {
    s.BonusDueTime = now;
    repaired |= kRepairedBonusDueTime;
  }
  // A negative timed bonus would take credit when collected; play sets the level's amount.
  if (s.TimedBonusAmount < 0) {
    s.TimedBonusAmount = std::int64_t{s.Level} * 100;
    repaired |= kRepairedTimedBonusAmount;
  }
  // The switch toggles the lowest bit: any other value would never come back to 1.
  if (s.SoundOn > 1) {
    s.SoundOn = 1;
    repaired |= kRepairedSoundOn;
  }
  // Play raises one level after a game. Experience past the threshold after the next would
  // raise one after every game, each with its award; it is kept just short of that threshold,
  // so a level-up left due when the game was saved still comes, once. The top level rises no
  // further, and a threshold at the field's end has no second one beyond it.
  const std::int64_t secondThreshold =
      SatAdd(s.NextLevelExperience, LevelRules::ExperienceToLeave(s.Level + 1));
  if (s.Level < kTopLevel && s.Experience >= secondThreshold &&
      secondThreshold < std::numeric_limits<std::int64_t>::max()) {
    s.Experience = secondThreshold - 1;
    repaired |= kRepairedExperience;
  }
  return repaired;
}

}  // namespace tarvolenka
