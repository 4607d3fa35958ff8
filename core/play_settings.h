#pragma once

// The player's choices of how the game plays, kept in the settings file beside the zoom. None
// of them changes a draw, a pay or their order.

#include <array>
#include <cstdint>

#include "core/settings_file.h"

namespace tarvolenka {

// The choices each auto-play limit offers, in the order the settings step through them; the
// first of each is no limit.
inline constexpr std::array<std::int64_t, 5> kAutoPlaySpinChoices{0, 10, 25, 50, 100};
inline constexpr std::array<std::int64_t, 7> kAutoPlayWinChoices{0,    100,   500,  1000,
                                                                 5000, 10000, 50000};
inline constexpr std::array<std::int64_t, 8> kAutoPlayBalanceChoices{0,    100,   500,   1000,
                                                                     5000, 10000, 50000, 100000};

struct AutoPlayChoices {
  std::int64_t spins = 0;         // the spins a run plays; none: until stopped
  bool stopOnBonus = false;       // a bonus game opening ends the run
  std::int64_t winAbove = 0;      // a single win above this ends it; none: no win does
  std::int64_t balanceBelow = 0;  // the balance falling below this ends it; none: never
  friend bool operator==(const AutoPlayChoices&, const AutoPlayChoices&) = default;
};

inline constexpr int kVolumeStepPercent = 10;

struct PlaySettings {
  bool quickSpin = false;
  int volumePercent = 100;
  AutoPlayChoices autoPlay;
  friend bool operator==(const PlaySettings&, const PlaySettings&) = default;
};

// What the file says; a value that is missing, or not one the game could have written, plays
// the default.
PlaySettings ReadPlaySettings(const SettingsFile& file);
void WritePlaySettings(const PlaySettings& settings, SettingsFile& file);

// The next or the previous choice of `choices` from `value`, stopping at the ends; a value
// between two choices steps to the nearer one in that direction.
template <std::size_t N>
constexpr std::int64_t StepChoice(const std::array<std::int64_t, N>& choices, std::int64_t value,
                                  int direction) {
  if (direction > 0) {
    for (const std::int64_t c : choices)
      if (c > value) return c;
    return choices.back();
  }
  for (std::size_t i = N; i-- > 0;)
    if (choices[i] < value) return choices[i];
  return choices.front();
}

}  // namespace tarvolenka
