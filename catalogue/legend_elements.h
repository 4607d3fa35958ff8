#pragma once

// The legend: one picture of the special symbols, the pay table and the fifty lines.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

enum class LegendEl : std::uint16_t { Table, Count };

template <>
struct WindowOf<LegendEl> {
  static constexpr WindowId value = WindowId::Legend;
};

namespace legend_window {
using namespace build;

inline constexpr std::array<ElementSpec, static_cast<std::size_t>(LegendEl::Count)> kElements{{
    Pic(LegendEl::Table, "Table", {0, 0, 941, 595}, Picture::Legend, kNoClick, 0, 0),
}};
static_assert(IdsInOrder(kElements));

// clang-format off
inline constexpr WindowSpec kWindow{WindowId::Legend, "LegendWindow", "Легенда", 945, 599, colours::kWhite,
                                    Border::FixedCloseBox, true, kElements, {}};
// clang-format on
}  // namespace legend_window

}  // namespace tarvolenka
