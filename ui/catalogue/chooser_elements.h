#pragma once

// The bonus chooser: three hats hide the three bonus games.

#include <array>

#include "durations.h"
#include "element_builders.h"

namespace tarvolenka {

enum class ChooserEl : std::uint16_t { Count };

template <>
struct WindowOf<ChooserEl> {
  static constexpr WindowId value = WindowId::Chooser;
};

namespace chooser_window {
using namespace build;

inline constexpr std::array<ElementSpec, static_cast<std::size_t>(ChooserEl::Count)> kElements{};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Chooser, "TForm10", "Избор на Бонус", 655, 302, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
}  // namespace chooser_window

}  // namespace tarvolenka
