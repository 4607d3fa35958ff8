#pragma once

// The states the save churn writes, numbered: every field moves with the number, so a file can
// be decoded to exactly one of them or to none, and each is a state start-up keeps as it is.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/game_state.h"
#include "core/stake_ladder.h"

namespace tarvolenka::testing {

inline constexpr std::int64_t kChurnBase = 1'000'000'000;

inline GameState ChurnState(std::uint32_t n) {
  GameState s;
  s.Balance = kChurnBase + 7 * std::int64_t{n};
  s.LastWin = n % 9973;
  s.LineCount = static_cast<std::int32_t>(1 + n % 50);
  s.Level = static_cast<std::int32_t>(1 + n / 50 % 100);
  s.MaxLineStake = s.Level * 10;
  s.LineStake = static_cast<std::int32_t>(1 + n % static_cast<std::uint32_t>(s.MaxLineStake));
  s.TotalStake = s.LineCount * s.LineStake;
  // Within the level's part of the ladder, as play keeps it.
  const auto levelSteps = static_cast<std::uint32_t>(StakeStepOf(s.MaxLineStake));
  s.StakeStep = static_cast<std::int32_t>(1 + n % levelSteps);
  for (std::size_t i = 0; i < 4; ++i) s.Unused44[i] = static_cast<std::uint8_t>(n >> (8 * i));
  s.Experience = 50 * std::int64_t{n};
  s.LevelStartExperience = 25 * std::int64_t{n};
  s.NextLevelExperience = s.Experience + 1000;
  for (std::size_t i = 0; i < 8; ++i)
    s.Reserved72[i] = static_cast<std::uint8_t>(~n >> (i % 4 * 8));
  s.TimedBonusAmount = s.Level * 100;
  s.MegaBonusCeiling = s.Level * 2000;
  s.BonusStage = static_cast<std::uint8_t>(n % 6);
  for (std::size_t i = 0; i < 7; ++i) s.Unused97[i] = static_cast<std::uint8_t>(n + i);
  s.BonusDueTime = 46000.5 + n / 1000.0;
  s.SoundOn = static_cast<std::uint8_t>(n % 2);
  for (std::size_t i = 0; i < 7; ++i) s.Unused113[i] = static_cast<std::uint8_t>(n * 3 + i);
  return s;
}

// The number of the churn state the bytes hold exactly, or nothing.
inline std::optional<std::uint32_t> ChurnNumber(const SaveBytes& bytes) {
  const std::int64_t offset = Decode(bytes).Balance - kChurnBase;
  if (offset < 0 || offset % 7 != 0 || offset / 7 > 0xFFFFFFFFLL) return std::nullopt;
  const auto n = static_cast<std::uint32_t>(offset / 7);
  if (Encode(ChurnState(n)) != bytes) return std::nullopt;
  return n;
}

// The bytes after the state in the churn's save file, which every save must carry over.
inline std::vector<unsigned char> ChurnTail() {
  std::vector<unsigned char> tail(1000);
  for (std::size_t i = 0; i < tail.size(); ++i) tail[i] = static_cast<unsigned char>(i * 37 + 11);
  return tail;
}

}  // namespace tarvolenka::testing
