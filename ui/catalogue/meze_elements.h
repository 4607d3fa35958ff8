#pragma once

// The meze bonus: four rows of six vegetables hide the prizes.

#include <array>

#include "durations.h"
#include "element_builders.h"

namespace tarvolenka {

enum class MezeEl : std::uint16_t { Count };

template <>
struct WindowOf<MezeEl> {
  static constexpr WindowId value = WindowId::Meze;
};

namespace meze_window {
using namespace build;

inline constexpr std::array<ElementSpec, static_cast<std::size_t>(MezeEl::Count)> kElements{};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Meze, "TForm11", "Мезе Бонус", 672, 525, colours::kWhite,
                                    Border::FixedNoButtons, false, kElements, {}};
}  // namespace meze_window

}  // namespace tarvolenka
