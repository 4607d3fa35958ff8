#pragma once

// Short constructors for the catalogue tables, so each element stays one readable row.

#include "catalogue/windows.h"

namespace tarvolenka {

// The ring that the arrow keys move over a pick window's choices: gold while the window takes
// a pick, dimmed while a pick plays out and keys wait. It lies kRingMargin outside the choice it
// frames, in the gap between choices, so it never covers the art.
inline constexpr Rgb kRingLit{255, 214, 64};
inline constexpr Rgb kRingWaiting{150, 138, 112};
inline constexpr int kRingMargin = 8;

}  // namespace tarvolenka

namespace tarvolenka::build {

// clang-format off
template <class E, class C>
constexpr ElementSpec Pic(E id, std::string_view name, Rect r, Picture p, C click,
                          std::uint8_t number = 0, std::uint8_t flags = kTransparent) {
  return {static_cast<std::uint16_t>(id), name, Kind::Picture, r, p, flags,
          static_cast<std::uint16_t>(click), number};
}

template <class E>
constexpr ElementSpec Store(E id, std::string_view name, Picture p) {
  const PictureSpec& s = SpecOf(p);
  return {static_cast<std::uint16_t>(id), name, Kind::PictureStore, {0, 0, s.width, s.height}, p,
          kHidden | kTransparent};
}

template <class E>
constexpr ElementSpec Cell(E id, std::string_view name) {
  return {static_cast<std::uint16_t>(id), name, Kind::CellBuffer, {0, 0, 125, 125}, Picture::None,
          kHidden};
}
// clang-format on

template <class E>
constexpr ElementSpec Text(E id, std::string_view name, Rect r, TextStyle style,
                           std::string_view text = {}, std::uint8_t flags = 0) {
  ElementSpec e{static_cast<std::uint16_t>(id), name, Kind::Label, r};
  e.style = style;
  e.text = text;
  e.flags = flags;
  return e;
}

template <class E>
constexpr ElementSpec PanelOf(E id, std::string_view name, Rect r, TextStyle style, Rgb colour,
                              std::string_view text = {}, std::uint8_t flags = 0) {
  ElementSpec e{static_cast<std::uint16_t>(id), name, Kind::Panel, r};
  e.style = style;
  e.colour = colour;
  e.text = text;
  e.flags = flags;
  return e;
}

template <class E>
constexpr ElementSpec ShapeOf(E id, std::string_view name, Rect r, Rgb colour,
                              std::uint8_t flags = 0) {
  ElementSpec e{static_cast<std::uint16_t>(id), name, Kind::Shape, r};
  e.colour = colour;
  e.flags = flags;
  return e;
}

// The ring of a family whose largest choice is `width` × `height`, centred on `first`, where
// a new deal puts it; hidden until the window shows it.
template <class E>
constexpr ElementSpec RingFor(E id, Rect first, int width, int height) {
  const Point c = first.Centre();
  const int w = width + 2 * kRingMargin, h = height + 2 * kRingMargin;
  return ShapeOf(id, "Ring", {c.x - w / 2, c.y - h / 2, w, h}, kRingLit, kRing | kHidden);
}
template <class E>
constexpr ElementSpec RingFor(E id, Rect first) {
  return RingFor(id, first, first.width, first.height);
}

// An element with no face and no size, for a key whose click has no control to land on: it
// counts as shown, so the key reaches its handler, and draws nothing.
template <class E, class C>
constexpr ElementSpec KeyOnly(E id, std::string_view name, C click) {
  ElementSpec e{static_cast<std::uint16_t>(id), name, Kind::Shape, {0, 0, 0, 0}};
  e.click = static_cast<std::uint16_t>(click);
  return e;
}

template <class E>
constexpr ElementSpec GaugeOf(E id, std::string_view name, Rect r, Rgb background, Rgb bar) {
  ElementSpec e{static_cast<std::uint16_t>(id), name, Kind::Gauge, r};
  e.colour = background;
  e.colour2 = bar;
  return e;
}

template <class E>
constexpr ElementSpec PaintBoxOf(E id, std::string_view name, Rect r, Rgb background) {
  ElementSpec e{static_cast<std::uint16_t>(id), name, Kind::PaintBox, r};
  e.colour = background;
  return e;
}

constexpr TextStyle Style(int sizePx, bool bold, Rgb colour, Align align, bool vcentre = false) {
  TextStyle s;
  s.sizePx = sizePx;
  s.bold = bold;
  s.colour = colour;
  s.align = align;
  s.verticalCentre = vcentre;
  return s;
}

constexpr TextStyle Opaque(TextStyle s, Rgb background) {
  s.opaque = true;
  s.background = background;
  return s;
}

// The lettered buttons of dark wood the pay table, the history, the statistics and the rules
// share; `number` tells the buttons of one family apart.
inline constexpr Rgb kWoodButtonPlate{92, 50, 20};
// A wood button with nothing to do where the player stands: faded, its lettering still legible.
inline constexpr Rgb kWoodButtonSpent{156, 128, 104};
inline constexpr TextStyle kWoodButtonText = Style(13, true, colours::kBlack, Align::Centre, true);
template <class E, class C>
constexpr ElementSpec WoodButton(E id, std::string_view name, Rect r, C click,
                                 std::string_view text, std::uint8_t number = 0) {
  ElementSpec e = PanelOf(id, name, r, kWoodButtonText, kWoodButtonPlate, text);
  e.click = static_cast<std::uint16_t>(click);
  e.number = number;
  return e;
}

}  // namespace tarvolenka::build
