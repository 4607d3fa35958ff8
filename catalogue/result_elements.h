#pragma once

// The bonus result: the win and how it was reckoned.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class ResultEl : std::uint16_t { Image1, Label1, Label2, Image2, Count };
// clang-format on

enum class ResultClick : std::uint16_t { None, Image2Click };

template <>
struct WindowOf<ResultEl> {
  static constexpr WindowId value = WindowId::Result;
};

namespace result_window {
using namespace build;
using E = ResultEl;
using C = ResultClick;

inline constexpr TextStyle kWin = Style(64, true, colours::kRed, Align::Centre);
inline constexpr TextStyle kReckoning = Style(32, true, colours::kRed, Align::Centre);

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(ResultEl::Count)> kElements{{
    Pic(E::Image1, "Image1", {86, 15, 308, 31}, Picture::BannerYouWon, C::None),
    Text(E::Label1, "Label1", {8, 68, 469, 73}, kWin, "9999999"),
    Text(E::Label2, "Label2", {6, 176, 469, 39}, kReckoning, "9999999"),
    Pic(E::Image2, "Image2", {176, 249, 128, 29}, Picture::ButtonOk, C::Image2Click),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Result, "TForm5", "Бонус", 485, 296, colours::kYellow,
                                    Border::FixedNoButtons, false, kElements, {}};
// clang-format on
}  // namespace result_window

}  // namespace tarvolenka
