#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/date_time.h"

namespace tarvolenka {

inline constexpr std::size_t kSaveSize = 120;
using SaveBytes = std::array<std::uint8_t, kSaveSize>;

// The highest level, whose maximum stake (level × 10) and awards still fit their 32-bit fields:
// loading brings a higher one back to it, and no level-up goes past it.
inline constexpr std::int32_t kTopLevel = 100000;

// All that the player owns. The layout of the save file follows the order of the fields;
// unused and reserved bytes are kept as they were read, so they come back unchanged.
struct GameState {
  std::int64_t Balance = 0;                  // offset 0
  std::int64_t LastWin = 0;                  // 8
  std::int32_t LineCount = 0;                // 16
  std::int32_t LineStake = 0;                // 20
  std::int32_t TotalStake = 0;               // 24
  std::int32_t Level = 0;                    // 28
  std::int32_t StakeStep = 0;                // 32
  std::int32_t MaxLineStake = 0;             // 36
  std::int32_t JokerUses = 0;                // 40
  std::array<std::uint8_t, 4> Unused44{};    // 44
  std::int64_t Experience = 0;               // 48
  std::int64_t LevelStartExperience = 0;     // 56
  std::int64_t NextLevelExperience = 0;      // 64
  std::array<std::uint8_t, 8> Reserved72{};  // 72
  std::int64_t TimedBonusAmount = 0;         // 80
  std::int64_t MegaBonusCeiling = 0;         // 88
  std::uint8_t BonusStage = 0;               // 96
  std::array<std::uint8_t, 7> Unused97{};    // 97
  DateTime BonusDueTime = 0;                 // 104
  std::uint8_t SoundOn = 0;                  // 112
  std::array<std::uint8_t, 7> Unused113{};   // 113

  friend bool operator==(const GameState&, const GameState&) = default;
};

// The state of a new player, created at `now`.
GameState NewGameState(DateTime now);

SaveBytes Encode(const GameState& state);
GameState Decode(const SaveBytes& bytes);

// Fields a damaged file can hold that would stall or crash play.
enum RepairedField : unsigned {
  kRepairedLineCount = 1u << 0,
  kRepairedLineStake = 1u << 1,
  kRepairedLevel = 1u << 2,
  kRepairedStakeStep = 1u << 3,
  kRepairedBonusDueTime = 1u << 4,
  kRepairedTimedBonusAmount = 1u << 5,
  kRepairedSoundOn = 1u << 6,
  kRepairedExperience = 1u << 7,
};

// Brings each field that is out of its range in play back into range and leaves every other
// field as it is, so one damaged field never costs the player the sound ones. The ranges are
// play's own: the stake per line and its step go no higher than the level's ladder allows, the
// sound is on or off, and the experience holds at most the one level-up a game can leave due.
// Returns the RepairedField bits of the fields it changed.
unsigned RepairGameState(GameState& state, DateTime now);

}  // namespace tarvolenka
