#pragma once

// The keyboard: each key of a window stands for a click on one of its elements, so a key
// press takes exactly the path of that click (same handler, same bound number, same guards).

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/windows.h"

namespace tarvolenka {

// The keys the game listens to; the desktops translate their own key codes into these.
enum class Key : std::uint8_t {
  Space,
  Enter,
  Left,
  Right,
  Up,
  Down,
  A,
  B,
  D,
  J,
  M,
  T,
  H,
  S,
  Digit1,
  Digit2,
  Digit3,
  Digit4,
  Digit5,
  Digit6,
  Digit7,
  Digit8,
  Digit9,
  Settings,  // Ctrl+,
  F1,
  Count
};

// Digit key n (1..9).
constexpr Key DigitKey(int n) {
  return static_cast<Key>(static_cast<int>(Key::Digit1) + n - 1);
}

// Escape closes the windows that only show something: the legend, the history, the
// statistics and the rules. One stray press must never end a game window early.
constexpr bool EscapeCloses(WindowId window) {
  return window == WindowId::Legend || window == WindowId::History ||
         window == WindowId::Statistics || window == WindowId::Settings ||
         window == WindowId::Rules;
}

// How the key is written on the player's keyboard, for tooltips and help: a Bulgarian keyboard
// calls the space bar "Интервал".
std::string_view KeyName(Key key);

struct KeyBinding {
  Key key;
  std::uint16_t element;  // the element of the window whose click the key stands for
};

template <class E>
constexpr KeyBinding Bind(Key key, E element) {
  return {key, static_cast<std::uint16_t>(element)};
}

// The keys of a window; a key may stand for several elements of which one shows at a time.
std::span<const KeyBinding> KeysOf(WindowId window);

// The element that `key` clicks in `window`: of the elements bound to it, the last one that
// is visible, as a click lands on the topmost picture. Nothing when none is visible.
template <class IsVisible>
std::optional<ElementRef> KeyTarget(WindowId window, Key key, IsVisible isVisible) {
  std::optional<ElementRef> target;
  for (const KeyBinding& b : KeysOf(window)) {
    const ElementRef ref{window, b.element};
    if (b.key == key && isVisible(ref)) target = ref;
  }
  return target;
}

// A pick window's choices, a family of elements bound to their numbers 1..count. The arrow
// keys, which no element of such a window is bound to, move its ring over the choices as they
// lie on the screen, and Enter or Space clicks the choice the ring frames.
struct PickRingLayout {
  WindowId window;
  std::uint16_t first;  // the element of choice 1
  int count;
  std::uint16_t ring;  // the frame element
  bool upDown;         // choices of more than one row take picks at once: Up and Down lead on
};

// The ring of `window`, or nothing for a window that has none.
const PickRingLayout* PickRingOf(WindowId window);

// The keys that click `element`, as " (Space, Enter)", or empty when it has none: appended to
// the element's tooltip.
std::string KeyHint(ElementRef element);

}  // namespace tarvolenka
