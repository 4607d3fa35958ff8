#pragma once

// The double-up: vodka or beer up a ladder of seven rungs.

#include <array>

#include "catalogue/durations.h"
#include "catalogue/element_builders.h"

namespace tarvolenka {

// clang-format off
enum class DoubleEl : std::uint16_t {
  Image1, Image2, Shape1, Shape2, Image3, Image4, Image5, Label1, ImageVodka, ImageBira,
  List1, List2, List3, List4, List5, List6, List7, List8, List9, List10,
  Panel1, Panel2, Panel3, Panel4, Panel5, Panel6, Panel7,
  Count
};
// clang-format on

enum class DoubleClick : std::uint16_t { None, Image1Click, Image2Click, Image3Click, Image4Click };

enum class DoubleTimer : std::uint8_t { Timer1, Timer2, Count };

template <>
struct WindowOf<DoubleEl> {
  static constexpr WindowId value = WindowId::Double;
};
template <>
struct WindowOf<DoubleTimer> {
  static constexpr WindowId value = WindowId::Double;
};

// Rung k (1..7) of the ladder: its panel, multiplier of the last win, and the panel's top.
struct Rung {
  DoubleEl panel;
  std::int64_t multiplier;
};
inline constexpr std::array<Rung, 7> kDoubleLadder{{{DoubleEl::Panel1, 2},
                                                    {DoubleEl::Panel2, 4},
                                                    {DoubleEl::Panel3, 8},
                                                    {DoubleEl::Panel4, 16},
                                                    {DoubleEl::Panel5, 32},
                                                    {DoubleEl::Panel6, 64},
                                                    {DoubleEl::Panel7, 300}}};

constexpr DoubleEl HistorySlot(int i) {
  return Nth(DoubleEl::List1, i - 1);
}

namespace double_window {
using namespace build;
using E = DoubleEl;
using C = DoubleClick;

inline constexpr TextStyle kWin = Style(13, true, colours::kRed, Align::Centre);
inline constexpr TextStyle kRung = Style(27, true, colours::kRed, Align::Centre, true);
inline constexpr TextStyle kTopRung = Style(48, true, colours::kRed, Align::Centre, true);

constexpr ElementSpec Slot(E id, std::string_view name, int i) {
  return Pic(id, name, {43, 23 + 30 * (i - 1), 80, 27}, Picture::None, C::Image3Click);
}

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(DoubleEl::Count)> kElements{{
    Pic(E::Image1, "Image1", {300, 455, 113, 64}, Picture::DoubleVodka, C::Image1Click),
    Pic(E::Image2, "Image2", {438, 455, 113, 64}, Picture::DoubleBira, C::Image2Click),
    ShapeOf(E::Shape1, "Shape1", {304, 436, 105, 15}, colours::kRed),
    ShapeOf(E::Shape2, "Shape2", {440, 436, 105, 15}, colours::kRed),
    Pic(E::Image3, "Image3", {14, 455, 113, 64}, Picture::DoubleCollect, C::Image3Click),
    Pic(E::Image4, "Image4", {158, 455, 113, 64}, Picture::DoubleJoker, C::Image4Click),
    Pic(E::Image5, "Image5", {10, 347, 146, 55}, Picture::PanelPechalba, C::Image3Click),
    Text(E::Label1, "Label1", {16, 358, 133, 13}, kWin),
    Pic(E::ImageVodka, "ImageVodka", {182, 381, 80, 27}, Picture::PlateVodka, C::Image3Click, 0, kTransparent | kHidden),
    Pic(E::ImageBira, "ImageBira", {182, 413, 80, 27}, Picture::PlateBira, C::Image3Click, 0, kTransparent | kHidden),
    Slot(E::List1, "List1", 1), Slot(E::List2, "List2", 2), Slot(E::List3, "List3", 3),
    Slot(E::List4, "List4", 4), Slot(E::List5, "List5", 5), Slot(E::List6, "List6", 6),
    Slot(E::List7, "List7", 7), Slot(E::List8, "List8", 8), Slot(E::List9, "List9", 9),
    Slot(E::List10, "List10", 10),
    PanelOf(E::Panel1, "Panel1", {226, 374, 290, 41}, kRung, colours::kYellow),
    PanelOf(E::Panel2, "Panel2", {226, 322, 290, 41}, kRung, colours::kYellow),
    PanelOf(E::Panel3, "Panel3", {226, 268, 290, 41}, kRung, colours::kYellow),
    PanelOf(E::Panel4, "Panel4", {226, 216, 290, 41}, kRung, colours::kYellow),
    PanelOf(E::Panel5, "Panel5", {226, 164, 291, 41}, kRung, colours::kYellow),
    PanelOf(E::Panel6, "Panel6", {226, 110, 290, 41}, kRung, colours::kYellow),
    PanelOf(E::Panel7, "Panel7", {172, 32, 389, 65}, kTopRung, colours::kYellow),
}};
static_assert(IdsInOrder(kElements));
// clang-format on

inline constexpr std::array<TimerSpec, 2> kTimers{{
    {0, "Timer1", durations::kDoubleBlink, true},
    {1, "Timer2", durations::kDoubleShake, false},
}};

// clang-format off
inline constexpr WindowSpec kWindow{WindowId::Double, "TForm6", "Дубъл", 583, 536,
                                    colours::kTeal, Border::FixedNoButtons, false, kElements,
                                    kTimers};
// clang-format on
}  // namespace double_window

}  // namespace tarvolenka
