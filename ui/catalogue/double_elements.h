#pragma once

// The double-up: vodka or beer up a ladder of seven rungs.

#include <array>

#include "durations.h"
#include "element_builders.h"

namespace tarvolenka {

enum class DoubleEl : std::uint16_t { Count };

template <>
struct WindowOf<DoubleEl> {
  static constexpr WindowId value = WindowId::Double;
};

namespace double_window {
using namespace build;

inline constexpr std::array<ElementSpec, static_cast<std::size_t>(DoubleEl::Count)> kElements{};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Double, "TForm6", "Дубъл", 583, 536, colours::kTeal,
                                    Border::FixedNoButtons, false, kElements, {}};
}  // namespace double_window

}  // namespace tarvolenka
