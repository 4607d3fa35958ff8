#pragma once

// The bonus result: the win and how it was reckoned.

#include <array>

#include "durations.h"
#include "element_builders.h"

namespace tarvolenka {

enum class ResultEl : std::uint16_t { Count };

template <>
struct WindowOf<ResultEl> {
  static constexpr WindowId value = WindowId::Result;
};

namespace result_window {
using namespace build;

inline constexpr std::array<ElementSpec, static_cast<std::size_t>(ResultEl::Count)> kElements{};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Result, "TForm5", "Бонус", 485, 296, colours::kYellow,
                                    Border::FixedNoButtons, false, kElements, {}};
}  // namespace result_window

}  // namespace tarvolenka
