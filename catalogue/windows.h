#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "catalogue/geometry.h"
#include "catalogue/pictures.h"

namespace tarvolenka {

// The windows, in their order of creation.
enum class WindowId : std::uint8_t {
  Main,
  Legend,
  Bottles,
  Cups,
  BonusResult,
  DoubleUp,
  LevelUp,
  TimedBonus,
  MegaBonus,
  HatChooser,
  Meze,
  GoldenPick,
  GoldenBoard,
  History,
  Statistics,
  Settings,
  Rules,
  Count
};
inline constexpr int kWindowCount = static_cast<int>(WindowId::Count);

struct ElementRef {
  WindowId window;
  std::uint16_t index;
  friend constexpr bool operator==(ElementRef, ElementRef) = default;
};

struct TimerRef {
  WindowId window;
  std::uint8_t index;
  friend constexpr bool operator==(TimerRef, TimerRef) = default;
};

enum class Kind : std::uint8_t {
  Picture,       // shows a picture, may take clicks
  PictureStore,  // hidden source of a picture that the game copies elsewhere
  CellBuffer,    // hidden off-screen reel cell
  Label,         // text
  Panel,         // text on a coloured plate
  Shape,         // a coloured bar or rounded rectangle
  Gauge,         // progress gauge 0..100
  PaintBox,      // drawing surface
};

enum class Align : std::uint8_t { Left, Centre, Right };

struct TextStyle {
  int sizePx = 11;
  bool bold = false;
  Rgb colour = colours::kBlack;
  Align align = Align::Left;
  bool verticalCentre = false;
  bool opaque = false;  // draws its background colour; otherwise transparent
  Rgb background = colours::kWhite;
};

// Element flags.
inline constexpr std::uint8_t kHidden = 1;        // not visible at start
inline constexpr std::uint8_t kStretch = 2;       // picture stretched to the element's size
inline constexpr std::uint8_t kTransparent = 4;   // picture drawn with its alpha (all are, by art)
inline constexpr std::uint8_t kRounded = 8;       // shape with rounded corners
inline constexpr std::uint8_t kWrap = 16;         // text broken into lines at word boundaries
inline constexpr std::uint8_t kFitText = 32;      // text shown whole: wrapped, in a smaller font
                                                  // or with the element grown downward
inline constexpr std::uint8_t kRing = 64;         // shape drawn as a frame only, in its colour
inline constexpr std::uint8_t kShrinkText = 128;  // wrapped text whose font shrinks until it fits

inline constexpr std::uint16_t kNoClick = 0;

struct ElementSpec {
  std::uint16_t id;  // the window's element enum value; equals the position in the table
  std::string_view name;
  Kind kind;
  Rect rect;
  Picture picture = Picture::None;
  std::uint8_t flags = 0;
  std::uint16_t click = kNoClick;  // the window's click handler, kNoClick for none
  std::uint8_t number = 0;         // bound number for handler families
  TextStyle style{};
  std::string_view text{};        // initial caption of labels and panels
  Rgb colour = colours::kWhite;   // background of panels, shapes, gauges and paint boxes
  Rgb colour2 = colours::kWhite;  // bar colour of a gauge
};

struct TimerSpec {
  std::uint8_t id;
  std::string_view name;
  int intervalMs;
  bool running;  // running from the creation of the window
};

enum class Border : std::uint8_t {
  FixedNoButtons,  // fixed dialog border, no title-bar buttons
  FixedCloseBox,   // fixed dialog border with the usual close box
  FixedMain,       // the main window: fixed size, minimise and close
};

struct WindowSpec {
  WindowId id;
  std::string_view className;
  std::string_view caption;
  int width;
  int height;
  Rgb background;
  Border border;
  bool centredOnScreen;  // otherwise centred over the main window
  std::span<const ElementSpec> elements;
  std::span<const TimerSpec> timers;
};

const WindowSpec& SpecOf(WindowId id);

template <class Table>
constexpr bool IdsInOrder(const Table& table) {
  for (std::size_t i = 0; i < std::size(table); ++i)
    if (table[i].id != i) return false;
  return true;
}

// Maps a window's element and timer enums to their window, so that logic writes
// Ref(MainEl::CreditCounter) and the element's window follows from its type.
template <class E>
struct WindowOf;

template <class E>
constexpr ElementRef Ref(E e) {
  return {WindowOf<E>::value, static_cast<std::uint16_t>(e)};
}
template <class E>
constexpr TimerRef TimerOf(E e) {
  return {WindowOf<E>::value, static_cast<std::uint8_t>(e)};
}
// The n-th element of a numbered family starting at `first` (n counts from 0).
template <class E>
constexpr E Nth(E first, int n) {
  return static_cast<E>(static_cast<int>(first) + n);
}

const ElementSpec& SpecOf(ElementRef ref);
// Finds an element by name in a window; returns false when there is none.
bool FindElement(WindowId window, std::string_view name, ElementRef& out);

}  // namespace tarvolenka
