#pragma once

// The cups bonus: fifteen cups hide five prizes three times each.

#include <array>

#include "durations.h"
#include "element_builders.h"

namespace tarvolenka {

enum class CupsEl : std::uint16_t { Count };

template <>
struct WindowOf<CupsEl> {
  static constexpr WindowId value = WindowId::Cups;
};

namespace cups_window {
using namespace build;

inline constexpr std::array<ElementSpec, static_cast<std::size_t>(CupsEl::Count)> kElements{};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Cups, "TForm4", "Бонус", 755, 460, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
}  // namespace cups_window

}  // namespace tarvolenka
