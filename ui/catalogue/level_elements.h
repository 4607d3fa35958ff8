#pragma once

// The level-up window with the new level's values and award.

#include <array>

#include "durations.h"
#include "element_builders.h"

namespace tarvolenka {

enum class LevelEl : std::uint16_t { Count };

template <>
struct WindowOf<LevelEl> {
  static constexpr WindowId value = WindowId::Level;
};

namespace level_window {
using namespace build;

inline constexpr std::array<ElementSpec, static_cast<std::size_t>(LevelEl::Count)> kElements{};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Level, "TFormLevel1", "НИВО", 508, 402, colours::kYellow,
                                    Border::FixedNoButtons, false, kElements, {}};
}  // namespace level_window

}  // namespace tarvolenka
